// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The password typed on the controlling terminal, without echo.

#include "tools/RegTaskCommand.h"

namespace tocklet {

class TerminalPassword final : public PasswordSource {
public:
    /// Writes prompt to /dev/tty and reads one line from it with echo off (echo comes back
    /// also when a signal ends the program meanwhile); nullopt without a controlling terminal
    /// or at the end of its input.
    [[nodiscard]] std::optional<std::string> Ask(std::string_view prompt) override;
};

}  // namespace tocklet
