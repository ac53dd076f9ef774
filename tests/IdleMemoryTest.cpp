// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

#include "TempDir.h"
#include "platform/IdleMemory.h"

namespace tocklet {
namespace {

using testing::TempDir;

TEST(IdleMemory, KnowsFontFilesByName) {
    struct Case {
        const char* path;
        bool font;
    };
    for (const Case& c : {Case{"/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc", true},
                          Case{"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", true},
                          Case{"/x/NotoSansCJK-Regular.OTF", true}, Case{"/x/a.otc", true},
                          Case{"/usr/share/fonts/X11/misc/6x13.pcf.gz", true},
                          Case{"/usr/share/fonts/type1/n019003l.pfb", true},
                          Case{"/usr/lib/x86_64-linux-gnu/libQt6Gui.so.6", false},
                          Case{"/var/cache/fontconfig/abc-le64.cache-8", false}, Case{"ttf", false},
                          Case{"", false}}) {
        EXPECT_EQ(IsFontFile(c.path), c.font) << c.path;
    }
}

// Resident kilobytes of this process's mappings of path, from /proc/self/smaps.
long ResidentKbOf(const std::string& path) {
    std::ifstream smaps("/proc/self/smaps");
    std::string line;
    bool inside = false;
    long kb = 0;
    while (std::getline(smaps, line)) {
        const bool header = !line.empty() && line.find(':') > line.find(' ');
        if (header)
            inside = line.size() >= path.size() &&
                     line.compare(line.size() - path.size(), path.size(), path) == 0;
        if (inside && line.rfind("Rss:", 0) == 0) kb += std::stol(line.substr(4));
    }
    return kb;
}

TEST(IdleMemory, DropsTheMappedPagesOfFontFilesAndKeepsTheirBytes) {
    TempDir dir;
    const std::string font = dir.File("face.ttf");
    const std::string other = dir.File("data.bin");
    constexpr std::size_t kBytes = 256 * 1024;
    for (const std::string& file : {font, other}) {
        std::ofstream out(file, std::ios::binary);
        for (std::size_t i = 0; i < kBytes; ++i) out.put(static_cast<char>(i * 7));
    }
    auto map = [](const std::string& file) {
        const int fd = ::open(file.c_str(), O_RDONLY);
        void* at = ::mmap(nullptr, kBytes, PROT_READ, MAP_PRIVATE, fd, 0);
        ::close(fd);
        return static_cast<const unsigned char*>(at);
    };
    const unsigned char* fontBytes = map(font);
    const unsigned char* otherBytes = map(other);
    ASSERT_NE(fontBytes, MAP_FAILED);
    ASSERT_NE(otherBytes, MAP_FAILED);
    unsigned sum = 0;
    for (std::size_t i = 0; i < kBytes; i += 4096) sum += fontBytes[i] + otherBytes[i];
    ASSERT_GT(ResidentKbOf(font), 0) << sum;

    EXPECT_GE(TrimIdleMemory(), kBytes / 1024);
    EXPECT_EQ(ResidentKbOf(font), 0);
    EXPECT_EQ(ResidentKbOf(other), static_cast<long>(kBytes / 1024));
    // The bytes are read again from the file when next touched.
    for (std::size_t i = 0; i < kBytes; i += 1000) {
        ASSERT_EQ(fontBytes[i], static_cast<unsigned char>(i * 7)) << i;
    }
    ::munmap(const_cast<unsigned char*>(fontBytes), kBytes);
    ::munmap(const_cast<unsigned char*>(otherBytes), kBytes);
}

}  // namespace
}  // namespace tocklet
