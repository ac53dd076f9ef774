// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "tasks/MissedReminders.h"

#include <algorithm>
#include <set>
#include <utility>

namespace tocklet {
namespace {

// Local minutes are numbered by reading their fields as if they were UTC: consecutive local
// minutes get consecutive numbers whatever the offset, and a skipped or repeated hour shows.
std::int64_t LocalMinuteNumber(std::tm at) {
    at.tm_sec = 0;
    at.tm_isdst = 0;
    return static_cast<std::int64_t>(timegm(&at)) / 60;
}

std::tm LocalMinuteFields(std::int64_t number) {
    const std::time_t seconds = static_cast<std::time_t>(number * 60);
    std::tm at{};
    gmtime_r(&seconds, &at);
    return at;
}

// A set-back of more than a day is a clock that was wrong, not minutes to be skipped again.
constexpr std::int64_t kRepeatMinutes = kLateReminderMinutes + 60;

}  // namespace

TaskCheckLog::TaskCheckLog(LocalTimeOf local, std::int64_t catchUpSeconds)
    : local_(std::move(local)), catchUpSeconds_(catchUpSeconds) {}

void TaskCheckLog::Forget() { checked_ = false; }

void TaskCheckLog::Started(std::int64_t nowSecond) {
    started_ = true;
    startSecond_ = nowSecond;
}

void TaskCheckLog::Remember(std::int64_t nowSecond, std::int64_t localMinute) {
    lastSecond_ = nowSecond;
    highestMinute_ = localMinute;
    checked_ = true;
}

MinuteCheck TaskCheckLog::Check(const TaskTables& tables, std::int64_t nowSecond) {
    const std::int64_t minute = LocalMinuteNumber(local_(nowSecond));
    MinuteCheck check;
    if (!checked_ || minute < highestMinute_ - kRepeatMinutes) {
        Remember(nowSecond, minute);
        return check;
    }
    if (minute <= highestMinute_) {
        check.runDue = false;
        lastSecond_ = nowSecond;
        return check;
    }
    const bool jumped = nowSecond - lastSecond_ > 60 + catchUpSeconds_;
    check.late = LateIn(tables, highestMinute_ + 1, minute - 1, nowSecond, !jumped);
    Remember(nowSecond, minute);
    return check;
}

std::vector<LateReminder> TaskCheckLog::Resumed(const TaskTables& tables, std::int64_t nowSecond) {
    const std::int64_t minute = LocalMinuteNumber(local_(nowSecond));
    if (!checked_ && started_) {
        Remember(startSecond_, LocalMinuteNumber(local_(startSecond_)) + 1);
    }
    if (!checked_ || minute < highestMinute_ - kRepeatMinutes) {
        Remember(nowSecond, minute);
        return {};
    }
    if (minute <= highestMinute_) return {};  // every minute since was examined
    std::vector<LateReminder> late = LateIn(tables, highestMinute_ + 1, minute, nowSecond, false);
    Remember(nowSecond, minute);
    return late;
}

std::vector<LateReminder> TaskCheckLog::LateIn(const TaskTables& tables, std::int64_t first,
                                               std::int64_t last, std::int64_t nowSecond,
                                               bool lived) const {
    const std::int64_t nowMinute = LocalMinuteNumber(local_(nowSecond));
    first = std::max(first, nowMinute - kLateReminderMinutes + (last == nowMinute ? 1 : 0));
    std::set<std::int64_t> passedInTime;
    if (lived) {
        // The clock ran on as usual: the minutes it actually showed were late ticks, not
        // missed ones; only those the local clock jumped over count.
        for (std::int64_t s = lastSecond_ + 60; s < nowSecond; s += 60) {
            passedInTime.insert(LocalMinuteNumber(local_(s)));
        }
    }
    std::vector<LateReminder> late;
    for (std::int64_t minute = first; minute <= last; ++minute) {
        if (passedInTime.count(minute) != 0) continue;
        const std::tm at = LocalMinuteFields(minute);
        for (const DueTask& due : DueTasks(tables, at)) {
            if (due.record.nAction == kActionMessage) late.push_back({due.record, at});
        }
    }
    return late;
}

}  // namespace tocklet
