// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// "更新密码": the old password and the new one twice. "确认" stores nothing itself; the opening
// returns the new password after a valid change, for the caller to store.

#include <optional>
#include <string>
#include <string_view>

#include "controls/NoDefaultButtonDialog.h"
#include "resources/ChangePasswordIds.h"

class QLineEdit;

namespace tocklet {

class MessageBoxes;

class CChangePasswordDlg : public NoDefaultButtonDialog {
    Q_OBJECT
public:
    explicit CChangePasswordDlg(MessageBoxes& boxes, QWidget* parent = nullptr);

    /// Starts an opening against the current password: outcome 0 and three empty edits.
    void OnInitDialog(std::string_view currentPassword);

    /// Initialises and runs the dialog modally; returns the new password after a valid change,
    /// nullopt otherwise (also for Enter away from the buttons).
    [[nodiscard]] std::optional<std::string> DoModal(std::string_view currentPassword);

    /// "确认": checks the old password and the confirmation.
    void OnConfirm();

    /// "取消", Escape, the close box: kIdCancel, nothing changed.
    void reject() override;

    /// The new password after a valid change in this opening; nullopt otherwise.
    [[nodiscard]] std::optional<std::string> NewPassword() const;

private:
    void UpdateData();

    int m_bChanged = 0;         // 1 after a valid change in this opening
    std::string m_strPassword;  // the current password; the new one after a change
    std::string m_strOld;       // edit kChangeOldId (code page 936)
    std::string m_strConfirm;   // edit kChangeConfirmId
    std::string m_strNew;       // edit kChangeNewId

    MessageBoxes& boxes_;
    QLineEdit* old_ = nullptr;
    QLineEdit* confirm_ = nullptr;
    QLineEdit* new_ = nullptr;
};

}  // namespace tocklet
