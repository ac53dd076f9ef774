// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// `tocklet-reg task add`, and what the task commands share.

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "store/Registry.h"

namespace tocklet {

/// Adds the task the options describe (everything after `add`); returns a TaskExit.
[[nodiscard]] int RunTaskAdd(Registry& reg, std::span<const std::string> options, std::ostream& out,
                             std::ostream& err);

/// The stored task count ("happen"), as the program reads it; nullopt, said on err, when the
/// program key cannot be opened.
[[nodiscard]] std::optional<int> ReadTaskCountOrSay(Registry& reg, std::ostream& err);

/// "tocklet-reg: " and the English line, then the program's own message (UTF-8) when there is
/// one, each ending its line.
void Say(std::ostream& to, std::string_view english, std::string_view message = {});

}  // namespace tocklet
