// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Handing a web address or a file to the desktop, which opens it with the user's choice of
// application.

#include <string_view>

namespace tocklet {

class ShellOpen {
public:
    ShellOpen() = default;
    virtual ~ShellOpen() = default;
    ShellOpen(const ShellOpen&) = delete;
    ShellOpen& operator=(const ShellOpen&) = delete;

    /// Opens target (code page 936): an address with a scheme ("mailto:...", "https://...") or
    /// a file path, a relative one taken from the current directory; true when the desktop
    /// accepted it.
    [[nodiscard]] virtual bool Open(std::string_view target) = 0;
};

}  // namespace tocklet
