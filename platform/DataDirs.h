// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Where the program's data files (the sounds, setup.reg, the read-me) are: found from the
// executable's own place first, so that a build tree and an install moved to another prefix
// work, then the data folder configured when the program was built.

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace tocklet {

/// The data folder configured at build time (<prefix>/share/tocklet), absolute.
[[nodiscard]] std::filesystem::path InstalledDataDir();

/// The data folders for an executable at path, best first: <its folder>/<installedRelative>
/// when that folder exists (an install: ../share/tocklet), else the executable's own folder
/// (a build tree keeps the data beside the program); then configured, unless it is the same.
[[nodiscard]] std::vector<std::filesystem::path> DataDirsFor(
    const std::filesystem::path& executable, const std::filesystem::path& installedRelative,
    const std::filesystem::path& configured);

/// DataDirsFor the running executable with the folders this build was configured with; just
/// InstalledDataDir() when the executable cannot be found.
[[nodiscard]] std::vector<std::filesystem::path> ProgramDataDirs();

/// The administrator's folders of this program: each absolute folder of xdgConfigDirs (the
/// colon-separated value of $XDG_CONFIG_DIRS; /etc/xdg when it is null or empty) with "tocklet"
/// added, in the variable's order. Relative entries are ignored, as the base directory rules
/// say.
[[nodiscard]] std::vector<std::filesystem::path> AdminConfigDirsFrom(const char* xdgConfigDirs);

/// AdminConfigDirsFrom the environment's $XDG_CONFIG_DIRS.
[[nodiscard]] std::vector<std::filesystem::path> AdminConfigDirs();

/// Where a new user's setup.reg is looked for, best first: the administrator's folders
/// (AdminConfigDirs()), then the program's data folders (ProgramDataDirs()).
[[nodiscard]] std::vector<std::filesystem::path> SetupRegDirs();

/// Where the user's guide is: ProgramDataDirs(), then the documentation folder found the same
/// way (../share/doc/tocklet beside the executable's folder once installed, then the one
/// configured at build time).
std::vector<std::filesystem::path> ProgramGuideDirs();

/// The file name (UTF-8) in currentDir when it is there, else in the first of dataDirs that
/// holds it; nullopt when none does. Empty folders are skipped.
[[nodiscard]] std::optional<std::filesystem::path> FindDataFile(
    std::string_view name, const std::filesystem::path& currentDir,
    const std::vector<std::filesystem::path>& dataDirs);

}  // namespace tocklet
