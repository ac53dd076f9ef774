#include "protection/UserInfoDlg.h"

#include <QLineEdit>
#include <QPushButton>

#include "controls/DialogBuilder.h"
#include "controls/GbLimitValidator.h"
#include "platform/MessageBox.h"
#include "platform/QtText.h"
#include "platform/Text.h"
#include "resources/Templates.h"

namespace tocklet {
namespace {

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
    LimitBytes(organization_, kOrganizationStoredBytes);
    LimitBytes(owner_, kOwnerStoredBytes);
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
    const OwnerNamesWritten written = writer_(m_strOrganization, m_strOwner);
    if (!written.keyOpened) boxes_.Show(Gb("  保存数据失败!  "));
    if (!written.organization) boxes_.Show("Fail to set company");
    if (!written.owner) boxes_.Show("Fail to set company");
    if (written.organization && written.owner) {
        boxes_.Show(Gb("  您已经成功地修改了注册表数据！  "), Gb(" 进程提示"));
    }
    done(kIdOk);
}

void CUserInfoDlg::reject() { done(kIdCancel); }

}  // namespace tocklet
