#include "platform/IdleMemory.h"

#include <malloc.h>
#include <sys/mman.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

namespace tocklet {

namespace {

bool EndsWith(std::string_view text, std::string_view end) {
    if (text.size() < end.size()) return false;
    for (std::size_t i = 0; i < end.size(); ++i) {
        const char c = text[text.size() - end.size() + i];
        const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        if (lower != end[i]) return false;
    }
    return true;
}

// One line of /proc/self/maps: "start-end perms offset dev inode   path".
struct Mapping {
    std::uintptr_t start = 0;
    std::uintptr_t end = 0;
    std::string perms;
    std::string path;
};

bool Parse(const std::string& line, Mapping& m) {
    std::istringstream in(line);
    std::string range, offset, device, inode;
    if (!(in >> range >> m.perms >> offset >> device >> inode)) return false;
    std::getline(in >> std::ws, m.path);
    const std::size_t dash = range.find('-');
    if (dash == std::string::npos) return false;
    m.start = std::stoull(range.substr(0, dash), nullptr, 16);
    m.end = std::stoull(range.substr(dash + 1), nullptr, 16);
    return m.end > m.start;
}

}  // namespace

bool IsFontFile(std::string_view path) {
    constexpr std::array<std::string_view, 8> kEndings = {".ttf", ".ttc", ".otf", ".otc",
                                                          ".pfb", ".pfa", ".pcf", ".pcf.gz"};
    for (std::string_view end : kEndings) {
        if (EndsWith(path, end)) return true;
    }
    return false;
}

std::size_t TrimIdleMemory() {
    std::size_t dropped = 0;
    std::ifstream maps("/proc/self/maps");
    std::string line;
    Mapping m;
    while (std::getline(maps, line)) {
        // Only read-only private mappings: their pages hold nothing but the file's bytes, so
        // dropping them loses nothing (the kernel does the same under memory pressure).
        if (!Parse(line, m) || m.perms != "r--p" || !IsFontFile(m.path)) continue;
        if (madvise(reinterpret_cast<void*>(m.start), m.end - m.start, MADV_DONTNEED) == 0) {
            dropped += (m.end - m.start) / 1024;
        }
    }
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
    return dropped;
}

}  // namespace tocklet
