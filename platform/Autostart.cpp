#include "platform/Autostart.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

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

std::filesystem::path HomeConfig() {
    const char* home = std::getenv("HOME");
    std::string dir = home != nullptr ? home : "";
    if (dir.empty()) {
        if (const passwd* pw = getpwuid(getuid()); pw != nullptr && pw->pw_dir != nullptr) {
            dir = pw->pw_dir;
        }
    }
    return std::filesystem::path(dir) / ".config";
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        ssize_t n = write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
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

XdgAutostart::XdgAutostart() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path dir = xdg != nullptr ? xdg : "";
    configHome_ = dir.is_absolute() ? dir : HomeConfig();
}

XdgAutostart::XdgAutostart(std::filesystem::path configHome) : configHome_(std::move(configHome)) {}

std::filesystem::path XdgAutostart::EntryPath() const {
    return configHome_ / "autostart" / kEntryName;
}

bool XdgAutostart::Register(std::string_view executablePath) {
    std::string entry = AutostartEntry(executablePath);
    if (entry.empty()) return false;
    std::filesystem::path target = EntryPath();
    std::error_code ec;
    std::filesystem::create_directories(target.parent_path(), ec);
    if (ec) return false;
    // A complete new file replaces the old one in one rename, so a crash leaves one or the other.
    std::string temp = (target.parent_path() / ".tocklet.desktop.XXXXXX").string();
    int fd = mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = WriteAll(fd, entry) && fchmod(fd, 0644) == 0 && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        unlink(temp.c_str());
        return false;
    }
    int dirFd = open(target.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        fsync(dirFd);
        close(dirFd);
    }
    return true;
}

}  // namespace tocklet
