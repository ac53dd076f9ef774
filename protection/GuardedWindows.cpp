// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "protection/GuardedWindows.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

#include "store/Text.h"

namespace tocklet {
namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";

std::string_view Trimmed(std::string_view s) {
    const std::size_t first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiLower(x) == AsciiLower(y);
           });
}

bool NameMatches(std::string_view name, const GuardedClass& guarded) {
    if (name.empty()) return false;
    if (!guarded.prefix) return SameIgnoringCase(name, guarded.name);
    return name.size() >= guarded.name.size() &&
           SameIgnoringCase(name.substr(0, guarded.name.size()), guarded.name);
}

}  // namespace

std::vector<GuardedClass> DesktopSettingsClasses() {
    return {{"gnome-control-center"}, {"systemsettings"},     {"xfce4-settings-manager"},
            {"mate-control-center"},  {"cinnamon-settings"},  {"lxqt-config-", true},
            {"dde-control-center"},   {"ukui-control-center"}};
}

std::vector<GuardedClass> ParseGuardedClasses(std::string_view text) {
    std::vector<GuardedClass> classes;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        line = Trimmed(line.substr(0, line.find('#')));
        GuardedClass guarded;
        if (!line.empty() && line.back() == '*') {
            guarded.prefix = true;
            line = Trimmed(line.substr(0, line.size() - 1));
        }
        if (line.empty()) continue;
        guarded.name = std::string(line);
        classes.push_back(std::move(guarded));
    }
    return classes;
}

std::vector<GuardedClass> ReadGuardedClasses(const std::vector<std::filesystem::path>& folders) {
    std::vector<GuardedClass> classes;
    for (const std::filesystem::path& folder : folders) {
        std::error_code ec;
        const std::filesystem::path file = folder / kGuardedClassesName;
        if (!std::filesystem::is_regular_file(file, ec)) continue;
        std::ifstream in(file, std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        for (GuardedClass& c : ParseGuardedClasses(text)) classes.push_back(std::move(c));
    }
    return classes;
}

GuardedWindows::GuardedWindows(std::vector<GuardedClass> classes)
    : title_(Gb("控制面板")), classes_(std::move(classes)) {}

bool GuardedWindows::Matches(const WindowLooks& window) const {
    // The whole title, not a part of it: "控制面板 " and "打开控制面板" are other windows.
    if (window.title == title_) return true;
    return std::any_of(classes_.begin(), classes_.end(), [&](const GuardedClass& guarded) {
        return NameMatches(window.instanceName, guarded) || NameMatches(window.className, guarded);
    });
}

}  // namespace tocklet
