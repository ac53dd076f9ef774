// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The pop-up of a due message task: its text in up to four lines under a tinted heading,
// closed with "谢谢提醒" (or the close box, or Escape).

#include <QDialog>
#include <array>
#include <string>

#include "resources/ReminderIds.h"

namespace tocklet {

class CTintedStatic;

class CReminderDlg : public QDialog {
    Q_OBJECT
public:
    explicit CReminderDlg(QWidget* parent = nullptr);

    /// Breaks m_strText into the four lines and shows them; call before exec().
    void OnInitDialog();

    /// Initialises, brings the window to the front and runs it modally until its one button
    /// (or the close box) ends it: there is no answer to report.
    void DoModal();

    std::string m_strText;  ///< code page 936 bytes
    std::array<std::string, 4> m_strLines;

private:
    CTintedStatic* heading_ = nullptr;
};

}  // namespace tocklet
