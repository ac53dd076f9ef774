// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "protection/ui/UserInfoDlg.h"

#include <QLineEdit>
#include <QPushButton>
#include <vector>

#include "controls/DialogBuilder.h"
#include "controls/GbLimitValidator.h"
#include "platform/MessageBox.h"
#include "platform/QtText.h"
#include "resources/Templates.h"

namespace tocklet {
namespace {

using Step = SettingsFailure::Step;

// What "发送[&S]" tells the user: the key, each value not written, and the confirmation only
// once both values are stored.
std::vector<Notice> OwnerNamesNotices(const SettingsReport& report) {
    std::vector<Notice> notices;
    for (const SettingsFailure& failure : report.failures) {
        notices.push_back(
            {failure.step == Step::OpenKey ? "  保存数据失败!  " : "Fail to set company"});
    }
    if (report.Ok()) notices.push_back({"  您已经成功地修改了注册表数据！  ", " 进程提示"});
    return notices;
}

// Keystrokes and pastes beyond the stored byte count are dropped, never half a character.
void LimitBytes(QLineEdit* edit, std::uint32_t bytes) {
    edit->setMaxLength(static_cast<int>(bytes));
    edit->setValidator(new GbLimitValidator(bytes, GbLimitValidator::Euro::kAllow,
                                            GbLimitValidator::Breach::kDropCharacters, edit));
}

}  // namespace

CUserInfoDlg::CUserInfoDlg(OwnerNamesWriter writer, MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent), writer_(std::move(writer)), boxes_(boxes) {
    BuildDialog(UserInfoTemplate(), this);
    organization_ = ControlAs<QLineEdit>(this, kUserInfoOrganizationId);
    owner_ = ControlAs<QLineEdit>(this, kUserInfoOwnerId);
    LimitBytes(organization_, Stored(Setting::Organization).bytes);
    LimitBytes(owner_, Stored(Setting::Owner).bytes);
    for (QLineEdit* edit : {organization_, owner_}) {
        connect(edit, &QLineEdit::textChanged, this, &CUserInfoDlg::UpdateData);
    }
    connect(ControlAs<QPushButton>(this, kUserInfoSendId), &QPushButton::clicked, this,
            &CUserInfoDlg::OnSend);
    connect(ControlAs<QPushButton>(this, kUserInfoCancelId), &QPushButton::clicked, this,
            &CUserInfoDlg::reject);
}

void CUserInfoDlg::UpdateData() {
    m_strOrganization = ToGb(organization_->text());
    m_strOwner = ToGb(owner_->text());
}

int CUserInfoDlg::DoModal() {
    organization_->setFocus();
    return exec();
}

void CUserInfoDlg::OnSend() {
    ShowNotices(boxes_, OwnerNamesNotices(writer_(m_strOrganization, m_strOwner)));
    done(kIdOk);
}

void CUserInfoDlg::reject() { done(kIdCancel); }

}  // namespace tocklet
