// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The file watch on a real folder: every kind of change of the file is told once it happened,
// other files of the folder never. Waits are for the watch's call, with a limit only for a
// machine loaded by other work.
#include <gtest/gtest.h>

#include <QtTest/QTest>
#include <cstdio>
#include <fstream>

#include "TempDir.h"
#include "platform/FileWatch.h"
#include "store/HiveRegistry.h"
#include "store/RegFile.h"

namespace tocklet {
namespace {

using testing::TempDir;

constexpr int kLimitMs = 60000;

void Write(const std::string& path, const std::string& text,
           std::ios::openmode mode = std::ios::trunc) {
    std::ofstream(path, std::ios::out | std::ios::binary | mode) << text;
}

TEST(FileWatch, TellsEachChangeOfTheFileAndNothingElse) {
    TempDir dir;
    const std::string file = dir.File("registry.reg");
    Write(file, "REGEDIT4\n\n");
    int changes = 0;
    FileWatch watch(file, [&] { ++changes; });

    // Replaced by a rename, as the registry's writes do (a lock file and a temporary file
    // appear beside it on the way).
    HiveRegistry reg(file);
    std::string error;
    std::vector<RegOp> ops;
    RegParseError parseError;
    ASSERT_TRUE(ParseRegFile("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\T]\n\"a\"=\"1\"\n", &ops,
                             &parseError));
    ASSERT_EQ(reg.Import(ops, &error), kRegOk) << error;
    QTRY_COMPARE_WITH_TIMEOUT(changes, 1, kLimitMs);

    // Another file of the folder is no change of this one: the next change is the second.
    Write(dir.File("other.txt"), "x");
    Write(file, "; more\n", std::ios::app);
    QTRY_COMPARE_WITH_TIMEOUT(changes, 2, kLimitMs);

    // The file replaced again after the in-place write is still watched.
    ASSERT_EQ(reg.Import(ops, &error), kRegOk) << error;
    QTRY_COMPARE_WITH_TIMEOUT(changes, 3, kLimitMs);

    ASSERT_EQ(std::remove(file.c_str()), 0);
    QTRY_COMPARE_WITH_TIMEOUT(changes, 4, kLimitMs);
    Write(file, "REGEDIT4\n\n");
    QTRY_COMPARE_WITH_TIMEOUT(changes, 5, kLimitMs);
}

}  // namespace
}  // namespace tocklet
