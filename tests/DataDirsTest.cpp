// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"
#include "platform/DataDirs.h"

namespace tocklet {
namespace {

namespace fs = std::filesystem;

using testing::TempDir;

TEST(DataDirs, FoundFromTheExecutableFirstThenTheConfiguredFolder) {
    TempDir top;
    fs::create_directories(top.Path() / "moved/bin");
    fs::create_directories(top.Path() / "moved/share/tocklet");
    fs::create_directories(top.Path() / "build/shell");
    const fs::path moved = top.Path() / "moved", build = top.Path() / "build/shell";
    const fs::path configured = top.Path() / "usr/share/tocklet";
    struct Case {
        fs::path executable;
        fs::path configured;
        std::vector<fs::path> expected;
    } cases[] = {
        // An install moved to another prefix.
        {moved / "bin/tocklet", configured, {moved / "share/tocklet", configured}},
        // A build tree keeps its data beside the program.
        {build / "tocklet", configured, {build, configured}},
        // Installed where it was configured for: the folder once.
        {moved / "bin/tocklet", moved / "bin/../share/tocklet", {moved / "share/tocklet"}},
        // The executable is unknown.
        {"", configured, {configured}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DataDirsFor(c.executable, "../share/tocklet", c.configured), c.expected)
            << c.executable;
    }
    EXPECT_TRUE(InstalledDataDir().is_absolute());
    EXPECT_FALSE(ProgramDataDirs().empty());
}

}  // namespace
}  // namespace tocklet
