// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "protection/ui/ChangePasswordDlg.h"

#include <QLineEdit>
#include <QPushButton>

#include "controls/DialogBuilder.h"
#include "platform/MessageBox.h"
#include "platform/QtText.h"
#include "protection/PasswordRules.h"
#include "protection/ui/PasswordEdit.h"
#include "resources/Templates.h"
#include "store/Text.h"

namespace tocklet {

CChangePasswordDlg::CChangePasswordDlg(MessageBoxes& boxes, QWidget* parent)
    : NoDefaultButtonDialog(parent), boxes_(boxes) {
    BuildDialog(ChangePasswordTemplate(), this);
    old_ = ControlAs<QLineEdit>(this, kChangeOldId);
    confirm_ = ControlAs<QLineEdit>(this, kChangeConfirmId);
    new_ = ControlAs<QLineEdit>(this, kChangeNewId);
    for (QLineEdit* edit : {old_, confirm_, new_}) {
        MakePasswordEdit(edit);
        connect(edit, &QLineEdit::textChanged, this, &CChangePasswordDlg::UpdateData);
    }
    DropDefaultButtons();
    connect(ControlAs<QPushButton>(this, kChangeOkId), &QPushButton::clicked, this,
            &CChangePasswordDlg::OnConfirm);
    connect(ControlAs<QPushButton>(this, kChangeCancelId), &QPushButton::clicked, this,
            &CChangePasswordDlg::reject);
}

void CChangePasswordDlg::UpdateData() {
    m_strOld = ToGb(old_->text());
    m_strConfirm = ToGb(confirm_->text());
    m_strNew = ToGb(new_->text());
}

void CChangePasswordDlg::OnInitDialog(std::string_view currentPassword) {
    m_strPassword = std::string(currentPassword);
    m_bChanged = 0;
    for (QLineEdit* edit : {old_, confirm_, new_}) edit->clear();
    UpdateData();
    old_->setFocus();
}

std::optional<std::string> CChangePasswordDlg::DoModal(std::string_view currentPassword) {
    OnInitDialog(currentPassword);
    exec();
    return NewPassword();
}

std::optional<std::string> CChangePasswordDlg::NewPassword() const {
    if (m_bChanged != 1) return std::nullopt;
    return m_strPassword;
}

void CChangePasswordDlg::OnConfirm() {
    if (!PasswordChangeAllowed(m_strPassword, m_strOld, m_strNew, m_strConfirm)) {
        boxes_.Tell(Gb(" 输入不正确，请你注意字母的大小写 "));
        return;
    }
    m_strPassword = m_strConfirm;
    m_bChanged = 1;
    done(kIdOk);
}

void CChangePasswordDlg::reject() { done(kIdCancel); }

}  // namespace tocklet
