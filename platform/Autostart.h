// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Starting the program when the user logs in.

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/SystemResult.h"

namespace tocklet {

class Autostart {
public:
    Autostart() = default;
    virtual ~Autostart() = default;
    Autostart(const Autostart&) = delete;
    Autostart& operator=(const Autostart&) = delete;

    /// Writes or refreshes the log-in entry that starts the executable at path (file-system
    /// bytes); when it cannot be written, any earlier entry is left as it was and the result
    /// names the entry and why.
    [[nodiscard]] virtual SystemResult Register(std::string_view executablePath) = 0;
};

/// The Exec value that runs path without arguments, quoted as desktop entries require; empty
/// when path cannot be written in one (not UTF-8, or holding control characters other than
/// tab, newline and carriage return).
[[nodiscard]] std::string DesktopExecValue(std::string_view path);

/// The whole autostart desktop entry for path; empty when DesktopExecValue is.
[[nodiscard]] std::string AutostartEntry(std::string_view path);

/// An XDG autostart entry, <config home>/autostart/tocklet.desktop, written atomically.
class XdgAutostart final : public Autostart {
public:
    /// The config home from XDG_CONFIG_HOME when it is an absolute path, else ~/.config.
    XdgAutostart();
    explicit XdgAutostart(std::filesystem::path configHome);

    [[nodiscard]] SystemResult Register(std::string_view executablePath) override;

    /// The entry's file.
    [[nodiscard]] std::filesystem::path EntryPath() const;

private:
    std::filesystem::path configHome_;
};

}  // namespace tocklet
