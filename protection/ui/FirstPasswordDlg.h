// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// "第一次使用": asks for the password twice on the program's first run and stores it. It also
// writes the floating clock's first-use defaults, whether or not a password was stored.

#include <QDialog>
#include <optional>
#include <string>

#include "resources/FirstPasswordIds.h"

class QLineEdit;

namespace tocklet {

class MessageBoxes;
class Profile;
class Registry;

class CFirstPasswordDlg : public QDialog {
    Q_OBJECT
public:
    CFirstPasswordDlg(Registry& reg, Profile& profile, MessageBoxes& boxes,
                      QWidget* parent = nullptr);

    /// Runs the dialog modally; returns the password it stored, nullopt when none was stored.
    [[nodiscard]] std::optional<std::string> DoModal();

    /// "确认" (the default button): stores the password when both texts agree.
    void OnConfirm();

    /// Escape and the close box: kIdCancel, nothing stored.
    void reject() override;

    /// The password stored in "pass", once it was; nullopt before.
    [[nodiscard]] std::optional<std::string> StoredPassword() const;

private:
    void UpdateData();

    std::string m_strPassword;  // edit kFirstPasswordId (code page 936)
    std::string m_strConfirm;   // edit kFirstConfirmId
    bool m_bStored = false;     // true once "pass" holds m_strPassword

    Registry& reg_;
    Profile& profile_;
    MessageBoxes& boxes_;
    QLineEdit* password_ = nullptr;
    QLineEdit* confirm_ = nullptr;
};

}  // namespace tocklet
