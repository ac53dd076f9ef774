// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The dialog that sets the daily power-off time: hour, minute and second, each an edit with
// wrapping up-down arrows, and "确定". It opens on a given time and returns the one chosen.

#include <QDialog>

#include "resources/ShutdownTimeIds.h"
#include "settings/ShutdownTime.h"

namespace tocklet {

class SpinField;

/// Control numbers of the shutdown time dialog.
class CShutdownTimeDlg : public QDialog {
    Q_OBJECT
public:
    explicit CShutdownTimeDlg(QWidget* parent = nullptr);

    /// Opens on time and runs modally: kIdOk once "确定" took the three positions (read them
    /// with Time()), kIdCancel after Escape or the close box, which change nothing. A field
    /// outside its range (the installer's -1:-1:-1, which arms nothing) starts at 0.
    [[nodiscard]] int DoModal(const ShutdownTime& time);

    /// The time the dialog holds: the one it opened on, or the one "确定" took.
    [[nodiscard]] const ShutdownTime& Time() const { return m_time; }

    /// "确定": takes each spin's position (typed text that is no number within the range is
    /// not taken: the field keeps the spin's last valid position) and closes with kIdOk.
    void OnOK();

    void reject() override;

private:
    void OnInitDialog();

    ShutdownTime m_time;
    SpinField* m_hour = nullptr;
    SpinField* m_minute = nullptr;
    SpinField* m_second = nullptr;
};

}  // namespace tocklet
