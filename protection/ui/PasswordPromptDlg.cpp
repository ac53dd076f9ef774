// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "protection/ui/PasswordPromptDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "controls/DialogBuilder.h"
#include "platform/MessageBox.h"
#include "platform/QtText.h"
#include "protection/PasswordRules.h"
#include "protection/ui/PasswordEdit.h"
#include "resources/ImageIds.h"
#include "resources/Images.h"
#include "resources/Templates.h"
#include "store/Text.h"

namespace tocklet {
CPasswordPromptDlg::CPasswordPromptDlg(MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent), boxes_(boxes) {
    BuildDialog(PasswordPromptTemplate(), this);
    // The box has no title bar; a screen reader still says what it asks for when it opens.
    setAccessibleName(QStringLiteral("输入密码"));
    // The picture is the background: stretched over the whole box, under every control.
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label->property(kControlKindProperty).toInt() != static_cast<int>(ControlKind::Picture))
            continue;
        const QPixmap background = Bitmap(kPasswordBackground);
        if (!background.isNull()) label->setPixmap(background);
        label->setScaledContents(true);
    }
    edit_ = ControlAs<QLineEdit>(this, kPromptEditId);
    MakePasswordEdit(edit_);
    connect(edit_, &QLineEdit::textChanged, this, &CPasswordPromptDlg::UpdateData);
    connect(ControlAs<QPushButton>(this, kPromptSubmitId), &QPushButton::clicked, this,
            &CPasswordPromptDlg::OnSubmit);
    connect(ControlAs<QPushButton>(this, kPromptGiveUpId), &QPushButton::clicked, this,
            &CPasswordPromptDlg::reject);
}

void CPasswordPromptDlg::UpdateData() { m_strInput = ToGb(edit_->text()); }

void CPasswordPromptDlg::OnInitDialog(std::string_view password) {
    m_strPassword = std::string(password);
    m_bPassed = 0;
    m_nTries = 1;
    edit_->clear();
    UpdateData();
    edit_->setFocus();
}

int CPasswordPromptDlg::DoModal(std::string_view password) {
    OnInitDialog(password);
    exec();
    return m_bPassed;
}

void CPasswordPromptDlg::OnSubmit() {
    if (PasswordAccepted(m_strPassword, m_strInput)) {
        m_bPassed = 1;
        done(kIdOk);
        return;
    }
    m_bPassed = 0;
    boxes_.Tell(Gb(kPasswordRefusedText));
    if (++m_nTries > kPromptSubmissions) {
        done(kIdCancel);
        return;
    }
    // The next try replaces the refused text instead of adding to it.
    edit_->selectAll();
    edit_->setFocus();
}

void CPasswordPromptDlg::reject() { done(kIdCancel); }

}  // namespace tocklet
