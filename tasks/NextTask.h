// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Which loaded task the task check will carry out next, and when.

#include <ctime>
#include <optional>

#include "tasks/TaskDue.h"

namespace tocklet {

/// A task and the local minute it is due next.
struct NextTask {
    std::tm at{};  ///< year, month, day, weekday, hour and minute of that minute; second 0
    char schedule = 0;
    TaskRecord record;
};

/// The first task due in a minute after the one now is in, by the rules of the task check
/// (a minute with several due tasks gives the first the check examines). Tasks that never fire
/// (another action, an impossible date or time) are left out; none when no task can fire
/// within eight years, which holds every 29 February.
[[nodiscard]] std::optional<NextTask> NextDueTask(const TaskTables& tables, const std::tm& now);

}  // namespace tocklet
