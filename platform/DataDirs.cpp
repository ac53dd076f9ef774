// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/DataDirs.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <system_error>

#include "platform/SelfLauncher.h"

namespace tocklet {
namespace {

// The same folder, also when reached by another spelling or through a link.
bool SameFolder(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    const bool same = std::filesystem::equivalent(a, b, ec);
    return ec ? a.lexically_normal() == b.lexically_normal() : same;
}

}  // namespace

std::filesystem::path InstalledDataDir() { return TOCKLET_CONFIGURED_DATA_DIR; }

std::vector<std::filesystem::path> DataDirsFor(const std::filesystem::path& executable,
                                               const std::filesystem::path& installedRelative,
                                               const std::filesystem::path& configured) {
    namespace fs = std::filesystem;
    std::vector<fs::path> dirs;
    if (executable.has_parent_path()) {
        const fs::path own = executable.parent_path();
        const fs::path installed = (own / installedRelative).lexically_normal();
        std::error_code ec;
        dirs.push_back(fs::is_directory(installed, ec) ? installed : own);
    }
    if (!configured.empty() && (dirs.empty() || !SameFolder(dirs.front(), configured))) {
        dirs.push_back(configured);
    }
    return dirs;
}

std::vector<std::filesystem::path> ProgramDataDirs() {
    return DataDirsFor(ProcSelfLauncher().ExecutablePath(), TOCKLET_DATA_DIR_FROM_BIN,
                       InstalledDataDir());
}

std::vector<std::filesystem::path> AdminConfigDirsFrom(const char* xdgConfigDirs) {
    const std::string_view value =
        xdgConfigDirs && *xdgConfigDirs ? std::string_view(xdgConfigDirs) : "/etc/xdg";
    std::vector<std::filesystem::path> dirs;
    for (std::size_t start = 0; start <= value.size();) {
        const std::size_t end = std::min(value.find(':', start), value.size());
        const std::filesystem::path dir(value.substr(start, end - start));
        if (dir.is_absolute()) dirs.push_back(dir / "tocklet");
        start = end + 1;
    }
    return dirs;
}

std::vector<std::filesystem::path> AdminConfigDirs() {
    return AdminConfigDirsFrom(std::getenv("XDG_CONFIG_DIRS"));
}

std::vector<std::filesystem::path> SetupRegDirs() {
    std::vector<std::filesystem::path> dirs = AdminConfigDirs();
    const std::vector<std::filesystem::path> data = ProgramDataDirs();
    dirs.insert(dirs.end(), data.begin(), data.end());
    return dirs;
}

std::vector<std::filesystem::path> ProgramGuideDirs() {
    std::vector<std::filesystem::path> dirs = ProgramDataDirs();
    const std::string executable = ProcSelfLauncher().ExecutablePath();
    std::error_code ec;
    if (!executable.empty()) {
        const std::filesystem::path own = std::filesystem::path(executable).parent_path();
        const std::filesystem::path docs = (own / TOCKLET_DOC_DIR_FROM_BIN).lexically_normal();
        if (std::filesystem::is_directory(docs, ec)) dirs.push_back(docs);
    }
    const std::filesystem::path configured = TOCKLET_CONFIGURED_DOC_DIR;
    if (dirs.empty() || !SameFolder(dirs.back(), configured)) dirs.push_back(configured);
    return dirs;
}

std::optional<std::filesystem::path> FindDataFile(
    std::string_view name, const std::filesystem::path& currentDir,
    const std::vector<std::filesystem::path>& dataDirs) {
    namespace fs = std::filesystem;
    if (name.empty()) return std::nullopt;
    std::vector<fs::path> dirs{currentDir};
    dirs.insert(dirs.end(), dataDirs.begin(), dataDirs.end());
    for (const fs::path& dir : dirs) {
        if (dir.empty()) continue;
        std::error_code ec;
        const fs::path candidate = dir / name;
        if (fs::is_regular_file(candidate, ec)) return candidate;
    }
    return std::nullopt;
}

}  // namespace tocklet
