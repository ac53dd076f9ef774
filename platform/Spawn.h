// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Starting a program by exact path as an independent process.

#include <string>
#include <vector>

namespace tocklet {

/// Starts the program at path (never searched for in PATH) with arguments args (args[0] is
/// the program's own name), in workingDir, in a session of its own, detached: it is not this
/// process's child, so it never lingers as a zombie. Descriptors other than 0, 1 and 2 are not
/// passed on. Returns 0 when the program is running, else the errno of what failed (chdir,
/// exec, fork).
[[nodiscard]] int SpawnDetached(const std::string& path, const std::vector<std::string>& args,
                                const std::string& workingDir);

}  // namespace tocklet
