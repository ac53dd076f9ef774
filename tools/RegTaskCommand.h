// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// `tocklet-reg task list|add|delete`: the task list as a person reads it, a task added under
// the add-task dialog's rules, and a task deleted the way the delete dialog does it, behind the
// password while protection is on. Nothing is written on a refusal.

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "store/Registry.h"

namespace tocklet {

/// Exit statuses of the task commands.
enum TaskExit : int {
    kTaskDone = 0,        ///< done
    kTaskFailed = 1,      ///< the registry could not be read or written
    kTaskMisuse = 2,      ///< called wrongly: an unknown option, a malformed time, ...
    kTaskRefused = 3,     ///< refused by the add-task rules, or no such task
    kTaskNoPassword = 4,  ///< protection is on and the password was not given
};

/// Where the password comes from while protection is on.
class PasswordSource {
public:
    virtual ~PasswordSource() = default;
    /// Shows prompt and returns the password typed (UTF-8); nullopt when there is no terminal
    /// to ask on or the input ended.
    [[nodiscard]] virtual std::optional<std::string> Ask(std::string_view prompt) = 0;
};

/// Runs `task` with its arguments (args[0] is list, add or delete); returns a TaskExit.
/// Results go to out, refusals and failures to err: an English line for scripts, then the
/// message the program's own dialog gives for it, if any (UTF-8).
[[nodiscard]] int RunTaskCommand(Registry& reg, const std::vector<std::string>& args,
                                 PasswordSource& password, std::ostream& out, std::ostream& err);

/// One task as `task list` shows it: number, kind, schedule, time and text or program,
/// in columns; record is the stored record string (code page 936), empty when missing.
[[nodiscard]] std::string TaskListLine(int valueNumber, std::string_view record);

}  // namespace tocklet
