// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Default applications as freedesktop desktops record them: mimeapps.list files naming desktop
// entries, with the older defaults.list and the mimeinfo.cache of installed entries after them.

#include <filesystem>
#include <string>
#include <vector>

#include "platform/DefaultApps.h"

namespace tocklet {

/// The folders the lookup reads, most important first within each list.
struct XdgFolders {
    std::filesystem::path configHome;
    std::vector<std::filesystem::path> configDirs;
    std::filesystem::path dataHome;
    std::vector<std::filesystem::path> dataDirs;
    std::vector<std::string> desktops;  ///< lower-case names from XDG_CURRENT_DESKTOP

    /// From the XDG_* variables and HOME, with the standard defaults for unset ones.
    [[nodiscard]] static XdgFolders FromEnvironment();
};

class XdgDefaultApps final : public DefaultApps {
public:
    explicit XdgDefaultApps(XdgFolders folders = XdgFolders::FromEnvironment());

    /// Looks in every mimeapps.list (desktop-specific ones first in each folder), then in
    /// defaults.list and mimeinfo.cache, and answers the first listed entry that is installed,
    /// not hidden, and has a command.
    [[nodiscard]] std::optional<std::string> CommandFor(std::string_view mimeType) override;

private:
    [[nodiscard]] std::optional<std::string> CommandOfEntry(const std::string& desktopId) const;
    [[nodiscard]] std::optional<std::string> FirstCommand(const std::filesystem::path& list,
                                                          std::string_view section,
                                                          std::string_view mimeType) const;

    XdgFolders folders_;
};

}  // namespace tocklet
