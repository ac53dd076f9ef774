// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The prompt that guards an operation: a caption-less box over a picture, one masked edit,
// "提交[&J]" (the default button) and "算了吧[&E]". Each opening allows three submissions.

#include <QDialog>
#include <string>
#include <string_view>

#include "resources/PasswordPromptIds.h"

class QLineEdit;

namespace tocklet {

class MessageBoxes;

class CPasswordPromptDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPasswordPromptDlg(MessageBoxes& boxes, QWidget* parent = nullptr);

    /// Starts an opening that accepts password (code page 936): outcome 0, first submission,
    /// empty edit.
    void OnInitDialog(std::string_view password);

    /// Initialises and runs the prompt modally; returns the outcome, 1 accepted or 0 not.
    [[nodiscard]] int DoModal(std::string_view password);

    /// "提交[&J]": accepts or refuses m_strInput; the third submission closes the prompt.
    void OnSubmit();

    /// "算了吧[&E]", Escape: closes with kIdCancel and the outcome as it is.
    void reject() override;

    /// The outcome of this opening: true after an accepted submission.
    [[nodiscard]] bool Passed() const { return m_bPassed != 0; }

private:
    void UpdateData();

    int m_bPassed = 0;          // 1 after an accepted submission of this opening
    std::string m_strPassword;  // the password to accept
    int m_nTries = 0;           // number of the next submission, from 1
    std::string m_strInput;     // text of edit kPromptEditId (code page 936)

    MessageBoxes& boxes_;
    QLineEdit* edit_ = nullptr;
};

}  // namespace tocklet
