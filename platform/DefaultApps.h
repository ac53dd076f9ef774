// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The desktop's default applications for kinds of files, as command lines.

#include <optional>
#include <string>
#include <string_view>

namespace tocklet {

class DefaultApps {
public:
    DefaultApps() = default;
    virtual ~DefaultApps() = default;
    DefaultApps(const DefaultApps&) = delete;
    DefaultApps& operator=(const DefaultApps&) = delete;

    /// The command line (the Exec value of its desktop entry, escapes undone) of the default
    /// application for mimeType, such as "text/html"; nullopt when none is set or its entry
    /// has no command.
    [[nodiscard]] virtual std::optional<std::string> CommandFor(std::string_view mimeType) = 0;
};

}  // namespace tocklet
