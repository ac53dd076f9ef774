// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// What the minute checks of the task list have seen, so that after the wall clock jumped (a
// resume from sleep, the clock set, daylight saving) no minute fires twice and the message
// reminders of the minutes nobody examined can still be shown, late, once each.

#include <cstdint>
#include <ctime>
#include <functional>
#include <vector>

#include "tasks/TaskDue.h"

namespace tocklet {

/// The local time of a second since the epoch.
using LocalTimeOf = std::function<std::tm(std::int64_t)>;

/// A message reminder whose minute passed unexamined, with the local minute it was due in
/// (tm_year, tm_mon, tm_mday, tm_hour, tm_min and tm_wday set).
struct LateReminder {
    TaskRecord record;
    std::tm due{};
};

/// What one minute check does.
struct MinuteCheck {
    bool runDue = true;              ///< false: this local minute was examined already
    std::vector<LateReminder> late;  ///< to show first, oldest first
};

/// How far back late reminders reach: a day of local minutes.
inline constexpr std::int64_t kLateReminderMinutes = 24 * 60;

class TaskCheckLog {
public:
    /// catchUpSeconds: a check this much later than the one before (beyond a minute) is a
    /// jump of the clock or a sleep, not a late tick, and its skipped minutes count as missed.
    TaskCheckLog(LocalTimeOf local, std::int64_t catchUpSeconds);

    /// A minute check at nowSecond. The minutes between the last check and this one that no
    /// one examined (the local clock skipped them at the start of daylight saving, or the
    /// machine slept or the clock was set forward past the catch-up window) give their message
    /// reminders, at most those of the last kLateReminderMinutes; a local minute already
    /// examined (the clock set back, the end of daylight saving) does not run again.
    [[nodiscard]] MinuteCheck Check(const TaskTables& tables, std::int64_t nowSecond);

    /// The machine woke at nowSecond: the message reminders of every local minute since the
    /// last check up to this one, whose own check the sleep took; no check of this minute
    /// follows.
    [[nodiscard]] std::vector<LateReminder> Resumed(const TaskTables& tables,
                                                    std::int64_t nowSecond);

    /// The program started at nowSecond: a resume before the first check counts its missed
    /// minutes from the one after the next whole minute, the first a check examines (a task
    /// due in the first minute or two after the start does not fire).
    void Started(std::int64_t nowSecond);

    /// Forgets the past: the next check looks back no further than itself (monitoring
    /// paused and resumed).
    void Forget();

private:
    [[nodiscard]] std::vector<LateReminder> LateIn(const TaskTables& tables, std::int64_t first,
                                                   std::int64_t last, std::int64_t nowSecond,
                                                   bool lived) const;
    void Remember(std::int64_t nowSecond, std::int64_t localMinute);

    LocalTimeOf local_;
    std::int64_t catchUpSeconds_;
    bool checked_ = false;
    bool started_ = false;
    std::int64_t startSecond_ = 0;
    std::int64_t lastSecond_ = 0;     ///< when the last check ran
    std::int64_t highestMinute_ = 0;  ///< latest local minute examined (local fields as UTC)
};

}  // namespace tocklet
