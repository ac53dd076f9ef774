// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/XdgDefaultApps.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <system_error>

#include "store/Files.h"
#include "store/Text.h"

namespace tocklet {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> SplitList(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(separator, start);
        if (end == std::string_view::npos) end = text.size();
        if (end > start) parts.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// The value of key in section of a desktop-entry style file; nullopt when absent.
[[nodiscard]] std::optional<std::string> ReadKey(const fs::path& file, std::string_view section,
                                                 std::string_view key) {
    std::ifstream in(file);
    std::string line;
    bool inSection = false;
    while (std::getline(in, line)) {
        // Files written on other systems may end their lines with a carriage return.
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string_view l = Trim(line);
        if (l.empty() || l.front() == '#') continue;
        if (l.front() == '[') {
            inSection = l == "[" + std::string(section) + "]";
            continue;
        }
        const std::size_t eq = l.find('=');
        if (inSection && eq != std::string_view::npos && Trim(l.substr(0, eq)) == key)
            return std::string(Trim(l.substr(eq + 1)));
    }
    return std::nullopt;
}

// A desktop entry string with its escapes (\s \n \t \r \\) undone.
std::string Unescape(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        switch (const char c = value[++i]) {
            case 's':
                out += ' ';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case 'r':
                out += '\r';
                break;
            default:
                out += c;
                break;
        }
    }
    return out;
}

fs::path EnvPath(const char* name, const fs::path& fallback) {
    const char* v = std::getenv(name);
    return v != nullptr && v[0] == '/' ? fs::path(v) : fallback;
}

std::vector<fs::path> EnvPaths(const char* name, std::string_view fallback) {
    const char* v = std::getenv(name);
    std::vector<fs::path> paths;
    for (const std::string& p : SplitList(v != nullptr && v[0] != '\0' ? v : fallback, ':'))
        if (p.front() == '/') paths.emplace_back(p);
    return paths;
}

}  // namespace

XdgFolders XdgFolders::FromEnvironment() {
    const char* home = std::getenv("HOME");
    const fs::path homeDir = home != nullptr ? home : "/";
    XdgFolders f;
    f.configHome = ConfigHome();
    f.configDirs = EnvPaths("XDG_CONFIG_DIRS", "/etc/xdg");
    f.dataHome = EnvPath("XDG_DATA_HOME", homeDir / ".local/share");
    f.dataDirs = EnvPaths("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
    const char* desktop = std::getenv("XDG_CURRENT_DESKTOP");
    for (std::string name : SplitList(desktop != nullptr ? desktop : "", ':')) {
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        f.desktops.push_back(name);
    }
    return f;
}

XdgDefaultApps::XdgDefaultApps(XdgFolders folders) : folders_(std::move(folders)) {}

std::optional<std::string> XdgDefaultApps::CommandFor(std::string_view mimeType) {
    std::vector<fs::path> appDirs{folders_.dataHome / "applications"};
    for (const fs::path& d : folders_.dataDirs) appDirs.push_back(d / "applications");
    std::vector<fs::path> listDirs{folders_.configHome};
    listDirs.insert(listDirs.end(), folders_.configDirs.begin(), folders_.configDirs.end());
    listDirs.insert(listDirs.end(), appDirs.begin(), appDirs.end());

    for (const fs::path& dir : listDirs) {
        for (const std::string& desktop : folders_.desktops) {
            if (auto c = FirstCommand(dir / (desktop + "-mimeapps.list"), "Default Applications",
                                      mimeType))
                return c;
        }
        if (auto c = FirstCommand(dir / "mimeapps.list", "Default Applications", mimeType))
            return c;
    }
    for (const fs::path& dir : appDirs)
        if (auto c = FirstCommand(dir / "defaults.list", "Default Applications", mimeType))
            return c;
    for (const fs::path& dir : appDirs)
        if (auto c = FirstCommand(dir / "mimeinfo.cache", "MIME Cache", mimeType)) return c;
    return std::nullopt;
}

std::optional<std::string> XdgDefaultApps::FirstCommand(const fs::path& list,
                                                        std::string_view section,
                                                        std::string_view mimeType) const {
    const auto ids = ReadKey(list, section, mimeType);
    if (!ids) return std::nullopt;
    for (const std::string& id : SplitList(*ids, ';'))
        if (auto command = CommandOfEntry(id)) return command;
    return std::nullopt;
}

std::optional<std::string> XdgDefaultApps::CommandOfEntry(const std::string& desktopId) const {
    if (desktopId.find('/') != std::string::npos) return std::nullopt;
    std::vector<fs::path> dirs{folders_.dataHome};
    dirs.insert(dirs.end(), folders_.dataDirs.begin(), folders_.dataDirs.end());
    for (const fs::path& dir : dirs) {
        // "vendor-app.desktop" may also live as vendor/app.desktop.
        std::vector<fs::path> candidates{dir / "applications" / desktopId};
        for (std::size_t dash = desktopId.find('-'); dash != std::string::npos;
             dash = desktopId.find('-', dash + 1)) {
            std::string nested = desktopId;
            nested[dash] = '/';
            candidates.push_back(dir / "applications" / nested);
        }
        for (const fs::path& file : candidates) {
            std::error_code ec;
            if (!fs::is_regular_file(file, ec)) continue;
            // The first installed entry of that name decides, even when it has no command.
            if (ReadKey(file, "Desktop Entry", "Hidden") == "true") return std::nullopt;
            const auto exec = ReadKey(file, "Desktop Entry", "Exec");
            if (!exec || exec->empty()) return std::nullopt;
            return Unescape(*exec);
        }
    }
    return std::nullopt;
}

}  // namespace tocklet
