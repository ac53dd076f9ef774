// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The program's options: --help and --version, and the requests to the running instance
// (--show, --pause, --resume, --quit, --status), which never start one.

#include <optional>

namespace tocklet {

/// Exit statuses of the options.
inline constexpr int kExitAnswered = 0;  ///< done; for a request: the running tocklet took it
inline constexpr int kExitNoAnswer = 1;  ///< no running tocklet answered a request
inline constexpr int kExitBadUsage = 2;  ///< an unknown option or a stray argument

/// Carries out the options of the command line and gives the exit status; nothing when there
/// are none, and the program starts as it always does. Qt's own options (-platform, -display,
/// ...) are left to Qt.
[[nodiscard]] std::optional<int> RunCommandLine(int argc, char** argv);

}  // namespace tocklet
