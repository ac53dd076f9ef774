// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "tasks/NextTask.h"

#include <array>
#include <chrono>
#include <span>
#include <utility>

namespace tocklet {
namespace {

namespace chr = std::chrono;

// Eight years of days: the longest gap between two 29 Februaries (2096 to 2104).
constexpr int kSearchDays = 8 * 366;

[[nodiscard]] std::tm DayAt(chr::sys_days day, int hour, int minute) {
    const chr::year_month_day ymd(day);
    std::tm at{};
    at.tm_year = static_cast<int>(ymd.year()) - 1900;
    at.tm_mon = static_cast<int>(static_cast<unsigned>(ymd.month())) - 1;
    at.tm_mday = static_cast<int>(static_cast<unsigned>(ymd.day()));
    at.tm_wday = static_cast<int>(chr::weekday(day).c_encoding());
    at.tm_hour = hour;
    at.tm_min = minute;
    at.tm_yday = -1;
    at.tm_isdst = -1;
    return at;
}

[[nodiscard]] bool CarriesOut(const TaskRecord& task) {
    // A clock never shows hour 24 or minute 60: such a task is never found due.
    return (task.nAction == kActionMessage || task.nAction == kActionProgram) && task.nHour >= 0 &&
           task.nHour < 24 && task.nMinute >= 0 && task.nMinute < 60;
}

// The earliest task due on day, after minuteAfter (minutes since midnight; -1: any).
[[nodiscard]] std::optional<NextTask> FirstOnDay(const TaskTables& tables, chr::sys_days day,
                                                 int minuteAfter) {
    const std::array<std::pair<char, std::span<const TaskRecord>>, 3> order{
        {{kScheduleDaily, tables.daily},
         {kScheduleDate, tables.date},
         {kScheduleWeekly, tables.weekly}}};
    std::optional<NextTask> best;
    for (const auto& [schedule, table] : order) {
        for (const TaskRecord& task : table) {
            const int minute = task.nHour * 60 + task.nMinute;
            if (!CarriesOut(task) || minute <= minuteAfter) continue;
            if (best && minute >= best->at.tm_hour * 60 + best->at.tm_min) continue;
            const std::tm at = DayAt(day, task.nHour, task.nMinute);
            if (IsTaskDue(schedule, task, at)) best = NextTask{at, schedule, task};
        }
    }
    return best;
}

}  // namespace

std::optional<NextTask> NextDueTask(const TaskTables& tables, const std::tm& now) {
    const chr::sys_days today = chr::year{now.tm_year + 1900} /
                                chr::month{static_cast<unsigned>(now.tm_mon + 1)} /
                                chr::day{static_cast<unsigned>(now.tm_mday)};
    const int nowMinute = now.tm_hour * 60 + now.tm_min;
    for (int d = 0; d <= kSearchDays; ++d) {
        if (auto next = FirstOnDay(tables, today + chr::days{d}, d == 0 ? nowMinute : -1)) {
            return next;
        }
    }
    return std::nullopt;
}

}  // namespace tocklet
