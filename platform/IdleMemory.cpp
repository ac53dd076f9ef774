// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/IdleMemory.h"

#include <malloc.h>
#include <sys/mman.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

namespace tocklet {

namespace {

// One line of /proc/self/maps: "start-end perms offset dev inode   path".
struct Mapping {
    std::uintptr_t start = 0;
    std::uintptr_t end = 0;
    std::string perms;
    std::string path;
};

[[nodiscard]] bool Parse(const std::string& line, Mapping& m) {
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
    std::string lower(path);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return std::any_of(kEndings.begin(), kEndings.end(),
                       [&lower](std::string_view end) { return lower.ends_with(end); });
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
