// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The panel's commands and state for scripts: each command is the panel's own, password and
// all; the state is what the panel holds.

#include <ctime>
#include <string>

#include "platform/RemoteControl.h"

namespace tocklet {

class CMainPanelDlg;
class Clock;
struct TaskRecord;

class PanelRemote final : public RemoteCommands {
public:
    PanelRemote(CMainPanelDlg& panel, const Clock& clock) : panel_(panel), clock_(clock) {}

    void ShowPanel() override;
    void Pause() override;
    void Resume() override;
    void SetClockShown(bool shown) override;
    void Quit() override;
    [[nodiscard]] StatusReport Status() override;

private:
    void Run(int command);

    CMainPanelDlg& panel_;
    const Clock& clock_;
};

/// "YYYY-MM-DD HH:MM" of a task's minute.
[[nodiscard]] std::string TaskMinuteText(const std::tm& at);
/// "message" or "program".
[[nodiscard]] std::string TaskKindWord(const TaskRecord& task);

}  // namespace tocklet
