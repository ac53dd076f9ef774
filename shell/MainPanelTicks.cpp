// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The panel's heartbeat: the timer ticks, the power-off check and the hourly chime of each
// second, the title clock, and the task check of each minute.

#include <iostream>

#include "clock/Chime.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/ProgramLauncher.h"
#include "platform/QtText.h"
#include "platform/Sound.h"
#include "platform/Timers.h"
#include "shell/MainPanelDlg.h"
#include "shell/PanelRemote.h"
#include "store/Text.h"
#include "tasks/ProgramPath.h"
#include "tasks/TaskDue.h"
#include "tasks/ui/ReminderDlg.h"

namespace tocklet {
namespace {

std::string TitleTimeText(const std::tm& at) {
    char text[16];
    std::strftime(text, sizeof text, "%H:%M:%S", &at);
    return text;
}

}  // namespace

void CMainPanelDlg::OnTimer(int id, const TickSeconds& seconds) {
    if (id == kTimerSecond) {
        // The next tick is planned before this one's work, which may open a modal window:
        // the ticks go on inside it.
        if (seconds.count > 0) m_nextSecond = seconds.At(seconds.count - 1) + 1;
        ScheduleSecondTicks();
        // A tick normally stands for one second; after a hold-up it covers each missed one,
        // so neither the power-off second nor a full hour's chime is skipped.
        if (seconds.count == 0) OnSecond(svc_.clock.LocalTime(svc_.clock.Now()));
        for (std::int64_t i = 0; i < seconds.count; ++i) {
            OnSecond(svc_.clock.LocalTime(FromEpochSeconds(seconds.At(i))));
        }
        UpdateWindowTitle();
        // Where the window system tells of changed windows, the guard runs on its word instead.
        if (m_settings.m_bUsePassword && m_guard.NeedsSecondScan()) RunControlPanelGuard();
        ScheduleSecondTicks();
    }
    if (m_bMonitoring && id == kTimerTaskCheck) {
        CheckTasks();
    } else if (id == kTimerHide) {
        HidePanel();
        svc_.timers.Kill(kTimerHide);
    } else if (id == kTimerAlign && ReachedWholeMinute(seconds)) {
        svc_.timers.Set(kTimerTaskCheck, kTaskCheckMs);
        svc_.timers.Kill(kTimerAlign);
    }
}

bool CMainPanelDlg::ReachedWholeMinute(const TickSeconds& seconds) const {
    // A tick held up past second 0 still counts for it: otherwise the task check would wait
    // for the next whole minute and could skip a task due in this one.
    for (std::int64_t i = 0; i < seconds.count; ++i) {
        if (svc_.clock.LocalTime(FromEpochSeconds(seconds.At(i))).tm_sec == 0) return true;
    }
    return svc_.clock.LocalTime(svc_.clock.Now()).tm_sec == 0;
}

void CMainPanelDlg::OnSecond(const std::tm& at) {
    m_tmNow = at;
    CheckShutdownTime();
    // While a countdown stood open, later ticks moved m_tmNow on. The chime of this second
    // still belongs to this second; the title then shows the latest time.
    const std::tm latest = std::exchange(m_tmNow, at);
    if (m_settings.m_bChimeOn) CheckHourlyChime();
    if (m_tmNow.tm_sec == at.tm_sec && m_tmNow.tm_min == at.tm_min &&
        m_tmNow.tm_hour == at.tm_hour && m_tmNow.tm_mday == at.tm_mday) {
        m_tmNow = latest;
    }
}

void CMainPanelDlg::UpdateWindowTitle() {
    m_strTitleTime = TitleTimeText(m_tmNow);
    // Nobody sees the title of a hidden panel, and each write wakes the window system and,
    // through its answer, this program again: the text is kept and written once shown.
    if (isVisible()) setWindowTitle(FromGb(WindowTitleText()));
}

std::string CMainPanelDlg::WindowTitleText() const { return Gb("超级守时鸟  ") + m_strTitleTime; }

void CMainPanelDlg::ShowCurrentTitle() {
    // The moment it is shown the panel tells the time now, not that of the last tick.
    setWindowTitle(
        FromGb(Gb("超级守时鸟  ") + TitleTimeText(svc_.clock.LocalTime(svc_.clock.Now()))));
}

void CMainPanelDlg::CheckHourlyChime() {
    const ChimeDecision chime = ChimeActions(m_settings.m_bChimeOn, m_settings.m_bChimeSound,
                                             m_settings.m_bChimeText, m_tmNow);
    if (chime.playSound) svc_.sound.PlayAsync(kChimeSound, false);
    if (chime.showText) {
        svc_.boxes.Tell(ChimeText(m_tmNow.tm_hour), ChimeCaption(), MbIcon::Question);
    }
}

void CMainPanelDlg::CheckTasks() {
    // One time sample for the whole check, however long the pop-ups stay open.
    const TimePoint sample = svc_.clock.Now();
    const std::tm now = svc_.clock.LocalTime(sample);
    const MinuteCheck check = m_checkLog.Check(
        m_tasks.Tables().View(),
        std::chrono::floor<std::chrono::seconds>(sample).time_since_epoch().count());
    ShowLateReminders(check.late);
    if (!check.runDue) return;  // the clock was set back over a minute already examined
    for (const DueTask& due : DueTasks(m_tasks.Tables().View(), now)) {
        events_->TaskFired(TaskMinuteText(now), TaskKindWord(due.record),
                           std::string(due.record.Target()));
        RunTask(due.record);
    }
}

void CMainPanelDlg::RunTask(const TaskRecord& task) {
    if (task.nAction == kActionMessage) {
        svc_.sound.PlayAsync(kReminderSound, false);
        CReminderDlg reminder(nullptr);
        reminder.m_strText = std::string(task.Target());
        reminder.DoModal();
    } else if (task.nAction == kActionProgram) {
        const ProgramPath path = SplitProgramPath(task.Target());
        if (!svc_.launcher.Start(
                path.folder, path.file,
                m_settings.m_nLaunchShow ? ShowMode::Normal : ShowMode::Minimised)) {
            // No box at a task's minute: the check goes on with the next task, as it would
            // after a program that started. Standard error keeps the trace.
            std::cerr << "tocklet: the program of a task cannot be started: "
                      << GbToUtf8(task.Target()) << '\n';
        }
    }
}

}  // namespace tocklet
