// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// `tocklet-reg tasks`: the task list as the program loads it.

#include <ostream>

#include "store/Registry.h"

namespace tocklet {

/// Prints one tab-separated line per value number from 1 to the stored count; returns the
/// exit status (non-zero with a message on err when the program key cannot be read).
[[nodiscard]] int RunTasksCommand(Registry& reg, std::ostream& out, std::ostream& err);

}  // namespace tocklet
