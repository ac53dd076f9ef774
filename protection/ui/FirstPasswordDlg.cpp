// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "protection/ui/FirstPasswordDlg.h"

#include <QLineEdit>
#include <QPushButton>
#include <iostream>

#include "controls/DialogBuilder.h"
#include "platform/MessageBox.h"
#include "platform/QtText.h"
#include "protection/PasswordStore.h"
#include "protection/ui/PasswordEdit.h"
#include "resources/Templates.h"
#include "settings/ClockOptions.h"
#include "store/Text.h"

namespace tocklet {
namespace {

using Step = SettingsFailure::Step;

// Tells the user what failed in the store and returns whether the password was stored.
bool Stored(MessageBoxes& boxes, const SettingsReport& report) {
    if (report.Failed(Step::OpenKey, Setting::FirstPassword)) {
        boxes.Tell(Gb("  保存数据失败!  "), Gb("  守时鸟提示您"));
    }
    if (report.Failed(Step::SetValue, Setting::FirstPassword)) {
        boxes.Tell(Gb(" 发 生 错 误，请 重 新 确认"));
        return false;
    }
    return true;
}

}  // namespace

CFirstPasswordDlg::CFirstPasswordDlg(Registry& reg, Profile& profile, MessageBoxes& boxes,
                                     QWidget* parent)
    : QDialog(parent), reg_(reg), profile_(profile), boxes_(boxes) {
    BuildDialog(FirstPasswordTemplate(), this);
    password_ = ControlAs<QLineEdit>(this, kFirstPasswordId);
    confirm_ = ControlAs<QLineEdit>(this, kFirstConfirmId);
    for (QLineEdit* edit : {password_, confirm_}) {
        MakePasswordEdit(edit);
        connect(edit, &QLineEdit::textChanged, this, &CFirstPasswordDlg::UpdateData);
    }
    connect(ControlAs<QPushButton>(this, kFirstOkId), &QPushButton::clicked, this,
            &CFirstPasswordDlg::OnConfirm);
}

void CFirstPasswordDlg::UpdateData() {
    m_strPassword = ToGb(password_->text());
    m_strConfirm = ToGb(confirm_->text());
}

std::optional<std::string> CFirstPasswordDlg::DoModal() {
    password_->setFocus();
    exec();
    return StoredPassword();
}

std::optional<std::string> CFirstPasswordDlg::StoredPassword() const {
    if (!m_bStored) return std::nullopt;
    return m_strPassword;
}

void CFirstPasswordDlg::OnConfirm() {
    if (m_strPassword != m_strConfirm) {
        boxes_.Tell(Gb("  数 据 不 符 合 "));
    } else if (Stored(boxes_, StoreFirstPassword(reg_, m_strPassword))) {
        m_bStored = true;
        boxes_.Tell(Gb("  请 您 记 住 您 的 密 码"), Gb("守时鸟向您提示"), MbIcon::Question);
        done(kIdOk);
    }
    // The clock's first-use defaults are written after every press of the button. Unstored,
    // they read back as a hidden green clock: nothing the user chose is lost, so no box
    // interrupts the password; standard error keeps the trace.
    if (!WriteFirstUseClockOptions(profile_)) {
        std::cerr << "tocklet: the desktop clock's first-use options could not be written\n";
    }
}

void CFirstPasswordDlg::reject() { done(kIdCancel); }

}  // namespace tocklet
