// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// When a loaded task is due, and which tasks one task check carries out.

#include <cstddef>
#include <ctime>
#include <span>
#include <string_view>
#include <vector>

#include "tasks/TaskRecord.h"

namespace tocklet {

/// The wave file played just before a reminder pop-up opens.
inline constexpr std::string_view kReminderSound = "clock.wav";

/// True when the task with this schedule is due in the minute described by now: every-day
/// tasks by hour and minute, date tasks also by month (tm_mon + 1) and day, weekly tasks also by
/// weekday (tm_wday + 1, 1 = Sunday); any other schedule is never due.
[[nodiscard]] bool IsTaskDue(char schedule, const TaskRecord& task, const std::tm& now);

/// The three loaded tables in the order a task check examines them.
struct TaskTables {
    std::span<const TaskRecord> daily;
    std::span<const TaskRecord> date;
    std::span<const TaskRecord> weekly;
};

/// One task found due: its table, its place in that table and a copy of it.
struct DueTask {
    char schedule = 0;
    std::size_t index = 0;
    TaskRecord record;
};

/// The tasks due at now, every-day tasks first, then date tasks, then weekly tasks, each table
/// in its own order. The tables never change while the program runs and one check uses one
/// time sample, so carrying out this list in order is the same as examining each task only
/// after the previous due one has been carried out; the copies stay valid whatever the
/// carrying out does.
[[nodiscard]] std::vector<DueTask> DueTasks(const TaskTables& tables, const std::tm& now);

}  // namespace tocklet
