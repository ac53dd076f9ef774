// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/Autostart.h"

#include <cerrno>

#include "store/Files.h"

namespace tocklet {
namespace {

constexpr const char* kEntryName = "tocklet.desktop";

// Length of the UTF-8 sequence starting at text[i], 0 when it is not valid UTF-8.
std::size_t Utf8Length(std::string_view text, std::size_t i) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char c = byte(i);
    if (c < 0x80) return 1;
    std::size_t n = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 0;
    if (n == 0 || i + n > text.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
    }
    unsigned char c1 = byte(i + 1);
    if ((c == 0xE0 && c1 < 0xA0) || (c == 0xED && c1 >= 0xA0) || (c == 0xF0 && c1 < 0x90) ||
        (c == 0xF4 && c1 >= 0x90)) {
        return 0;  // overlong, surrogate or beyond U+10FFFF
    }
    return n;
}

}  // namespace

std::string DesktopExecValue(std::string_view path) {
    if (path.empty()) return {};
    // The argument is quoted whole; inside the quotes ", `, $ and \ take a backslash.
    std::string quoted = "\"";
    for (std::size_t i = 0; i < path.size();) {
        std::size_t n = Utf8Length(path, i);
        if (n == 0) return {};
        char c = path[i];
        if (n == 1 &&
            ((static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') ||
             c == 0x7F)) {
            return {};
        }
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        if (c == '%') quoted += '%';  // a lone % would start a field code
        quoted.append(path.substr(i, n));
        i += n;
    }
    quoted += '"';
    // Then the escapes of every string value, which a reader undoes first.
    std::string value;
    for (char c : quoted) {
        switch (c) {
            case '\\':
                value += "\\\\";
                break;
            case '\n':
                value += "\\n";
                break;
            case '\t':
                value += "\\t";
                break;
            case '\r':
                value += "\\r";
                break;
            default:
                value += c;
        }
    }
    return value;
}

std::string AutostartEntry(std::string_view path) {
    std::string exec = DesktopExecValue(path);
    if (exec.empty()) return {};
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=tocklet\n"
           "Exec=" +
           exec +
           "\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

XdgAutostart::XdgAutostart() : configHome_(ConfigHome()) {}

XdgAutostart::XdgAutostart(std::filesystem::path configHome) : configHome_(std::move(configHome)) {}

std::filesystem::path XdgAutostart::EntryPath() const {
    return configHome_ / "autostart" / kEntryName;
}

SystemResult XdgAutostart::Register(std::string_view executablePath) {
    const std::string target = EntryPath().string();
    const std::string entry = AutostartEntry(executablePath);
    if (entry.empty()) {
        return {target, "the program's path \"" + std::string(executablePath) +
                            "\" cannot be written in a desktop entry"};
    }
    const std::string folder = EntryPath().parent_path().string();
    if (!MakePrivateFolders(folder)) return ResultOfErrno(folder, errno);
    // A complete new file replaces the old one in one rename, so a crash leaves one or the
    // other; once renamed, a folder that could not be synced changes nothing we can undo.
    std::string error;
    if (ReplaceFile(target, entry, 0644, &error) == ReplaceResult::NotReplaced) {
        return {target, error.empty() ? std::string("not written") : error};
    }
    return {target, {}};
}

}  // namespace tocklet
