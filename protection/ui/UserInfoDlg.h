// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// "修改用户信息": rewrites the organisation and owner names of the installation. It only writes;
// it never shows the stored names. The dialog is reused for every opening and keeps what its
// edits held when it last closed, cancelled or not.

#include <QDialog>
#include <functional>
#include <string>
#include <string_view>

#include "resources/UserInfoIds.h"
#include "settings/SettingsTable.h"

class QLineEdit;

namespace tocklet {

class MessageBoxes;

/// Writes the organisation name, then the owner name, each attempted whatever became of the
/// other, and reports the key (Setting::Organization) and each value; shows nothing.
using OwnerNamesWriter =
    std::function<SettingsReport(std::string_view organization, std::string_view owner)>;

class CUserInfoDlg : public QDialog {
    Q_OBJECT
public:
    CUserInfoDlg(OwnerNamesWriter writer, MessageBoxes& boxes, QWidget* parent = nullptr);

    /// Runs the dialog modally: kIdOk after "发送[&S]", kIdCancel after "取消", Escape or the
    /// close box (nothing written).
    [[nodiscard]] int DoModal();

    /// "发送[&S]": hands both names to the writer and tells what failed ("  保存数据失败!  "
    /// for the key, "Fail to set company" for each value), confirms only when both values
    /// were written, and closes.
    void OnSend();

    void reject() override;

    [[nodiscard]] const std::string& Organization() const { return m_strOrganization; }
    [[nodiscard]] const std::string& Owner() const { return m_strOwner; }

private:
    void UpdateData();

    OwnerNamesWriter writer_;
    MessageBoxes& boxes_;
    QLineEdit* organization_ = nullptr;
    QLineEdit* owner_ = nullptr;
    std::string
        m_strOrganization;   ///< edit kUserInfoOrganizationId (code page 936, at most 30 bytes)
    std::string m_strOwner;  ///< edit kUserInfoOwnerId (at most 16 bytes)
};

}  // namespace tocklet
