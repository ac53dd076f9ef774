// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "shell/PanelRemote.h"

#include "platform/Clock.h"
#include "settings/ReleaseInfo.h"
#include "shell/MainPanelDlg.h"
#include "tasks/NextTask.h"

namespace tocklet {
namespace {

// The installer's -1:-1:-1, or any time no clock shows, arms nothing.
[[nodiscard]] bool IsClockTime(const ShutdownTime& time) {
    return time.m_nHour >= 0 && time.m_nHour < 24 && time.m_nMinute >= 0 && time.m_nMinute < 60 &&
           time.m_nSecond >= 0 && time.m_nSecond < 60;
}

}  // namespace

std::string TaskMinuteText(const std::tm& at) {
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &at);
    return text;
}

std::string TaskKindWord(const TaskRecord& task) {
    return task.nAction == kActionMessage ? "message" : "program";
}

void PanelRemote::Run(int command) {
    if (!panel_.OnCommand(command)) {
        // Every command run here is one of the panel's own.
    }
}

void PanelRemote::ShowPanel() { panel_.ShowForLaterStart(); }

void PanelRemote::Pause() { Run(kCmdPauseMonitoring); }

void PanelRemote::Resume() { Run(kCmdResumeMonitoring); }

void PanelRemote::SetClockShown(bool shown) {
    // The clock exists exactly while its box is checked.
    if ((panel_.FloatClock() != nullptr) != shown) panel_.OnToggleClock();
}

void PanelRemote::Quit() { Run(kCmdExitIconMenu); }

StatusReport PanelRemote::Status() {
    StatusReport status;
    const PanelSettings& settings = panel_.Settings();
    status.monitoring = panel_.IsMonitoring();
    status.chimeOn = settings.m_bChimeOn;
    status.protectionOn = settings.m_bUsePassword;
    status.taskCount = settings.m_nTaskCount;
    const std::tm now = clock_.LocalTime(clock_.Now());
    if (const auto next = NextDueTask(panel_.Tasks().Tables().View(), now)) {
        status.nextTask = NextTaskReport{TaskMinuteText(next->at), TaskKindWord(next->record),
                                         std::string(next->record.Target())};
    }
    if (IsClockTime(panel_.PresetShutdownTime())) {
        status.powerOffTime = FormatShutdownTime(panel_.PresetShutdownTime());
    }
    status.version = std::string(PackageVersion());
    return status;
}

}  // namespace tocklet
