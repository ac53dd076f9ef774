// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "tasks/TaskDue.h"

namespace tocklet {

bool IsTaskDue(char schedule, const TaskRecord& task, const std::tm& now) {
    bool atTime = task.nHour == now.tm_hour && task.nMinute == now.tm_min;
    switch (schedule) {
        case kScheduleDaily:
            return atTime;
        case kScheduleDate:
            return atTime && task.nMonth == now.tm_mon + 1 && task.nDay == now.tm_mday;
        case kScheduleWeekly:
            return atTime && task.nWeekday == now.tm_wday + 1;
        default:
            return false;
    }
}

std::vector<DueTask> DueTasks(const TaskTables& tables, const std::tm& now) {
    std::vector<DueTask> due;
    auto scan = [&](char schedule, std::span<const TaskRecord> table) {
        for (std::size_t i = 0; i < table.size(); ++i) {
            if (IsTaskDue(schedule, table[i], now)) due.push_back({schedule, i, table[i]});
        }
    };
    scan(kScheduleDaily, tables.daily);
    scan(kScheduleDate, tables.date);
    scan(kScheduleWeekly, tables.weekly);
    return due;
}

}  // namespace tocklet
