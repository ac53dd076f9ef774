// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The one-second tick sleeps while nothing on screen needs it every second, until the next
// second at which it has work; clock changes and resumes from sleep are seen at once.

#include <algorithm>
#include <optional>

#include "clock/Chime.h"
#include "platform/Clock.h"
#include "platform/QtText.h"
#include "platform/Sound.h"
#include "platform/TimerSchedule.h"
#include "platform/Timers.h"
#include "shell/MainPanelDlg.h"
#include "shutdown/ShutdownCheck.h"
#include "store/Text.h"
#include "tasks/ui/ReminderDlg.h"

namespace tocklet {
namespace {

// However far off the next work is, the tick looks again after this long: the local time's
// rules may change under it (a new time zone), and it costs one wake-up an hour.
constexpr std::int64_t kLongestSleepSeconds = 3600;

std::optional<std::int64_t> Earliest(std::optional<std::int64_t> a, std::optional<std::int64_t> b) {
    if (!a) return b;
    if (!b) return a;
    return std::min(*a, *b);
}

}  // namespace

bool CMainPanelDlg::NeedsEverySecond() {
    const bool panelShown = isVisible();
    const bool clockShown = m_pFloatClock != nullptr;
    const bool countdownOpen = m_bShutdownCountdownOpen;
    // Where the window system tells of changed windows, the guard waits for its word instead.
    const bool guardScans = m_settings.m_bUsePassword && m_guard.NeedsSecondScan();
    return panelShown || clockShown || countdownOpen || guardScans;
}

void CMainPanelDlg::ScheduleSecondTicks() {
    if (NeedsEverySecond()) {
        svc_.timers.SleepUntil(kTimerSecond, 0);
        return;
    }
    const std::int64_t from = m_nextSecond;
    const LocalTimeOf local = [this](std::int64_t second) {
        return svc_.clock.LocalTime(FromEpochSeconds(second));
    };
    std::optional<std::int64_t> next =
        NextChimeSecond(m_settings.m_bChimeOn, m_settings.m_bChimeSound, m_settings.m_bChimeText,
                        from, kLongestSleepSeconds, local);
    if (m_bMonitoring) {
        next =
            Earliest(next, NextShutdownSecond(m_shutdownTime, from, kLongestSleepSeconds, local));
    }
    svc_.timers.SleepUntil(kTimerSecond, next.value_or(from + kLongestSleepSeconds));
}

void CMainPanelDlg::WatchClock() {
    const std::int64_t now =
        std::chrono::floor<std::chrono::seconds>(svc_.clock.Now()).time_since_epoch().count();
    m_checkLog.Started(now);
    auto onChange = [this](ClockWatch::Change change) { OnClockChange(change); };
    svc_.clockSet.Watch(onChange);
    svc_.sleep.Watch(onChange);
}

void CMainPanelDlg::OnClockChange(ClockWatch::Change change) {
    const std::int64_t now =
        std::chrono::floor<std::chrono::seconds>(svc_.clock.Now()).time_since_epoch().count();
    if (change == ClockWatch::Change::Set) {
        svc_.timers.ClockSet();
        return;
    }
    // Going to sleep needs nothing: the resume finds what the sleep took from the minute
    // checks, or from the start before the first of them.
    if (change == ClockWatch::Change::Sleeping) return;
    // The seconds and minutes that passed asleep are not served late: no program, no chime
    // and no power-off then. Only the message reminders of those minutes are shown now.
    svc_.timers.Resumed();
    m_nextSecond = std::max(m_nextSecond, now + 1);
    ScheduleSecondTicks();
    if (!m_bMonitoring) return;
    ShowLateReminders(m_checkLog.Resumed(m_tasks.Tables().View(), now));
}

void CMainPanelDlg::ShowLateReminders(const std::vector<LateReminder>& late) {
    for (const LateReminder& reminder : late) {
        svc_.sound.PlayAsync(kReminderSound, false);
        CReminderDlg dialog(nullptr);
        dialog.m_strText = std::string(reminder.record.Target());
        char due[32];
        std::strftime(due, sizeof due, "%Y-%m-%d %H:%M", &reminder.due);
        dialog.setWindowTitle(dialog.windowTitle() + FromGb(Gb("  应于 ") + due));
        dialog.DoModal();
    }
}

}  // namespace tocklet
