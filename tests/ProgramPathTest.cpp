// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include "store/Text.h"
#include "tasks/ProgramPath.h"

namespace tocklet {
namespace {

void ExpectSplit(std::string_view path, std::string_view folder, std::string_view file) {
    ProgramPath p = SplitProgramPath(path);
    EXPECT_EQ(p.folder, folder) << path;
    EXPECT_EQ(p.file, file) << path;
}

TEST(ProgramPath, WindowsStylePathsSplitAtTheLastBackslash) {
    ExpectSplit("C:\\Tools\\backup.exe", "C:\\Tools", "backup.exe");
    ExpectSplit("C:\\x.exe", "C:", "x.exe");
}

TEST(ProgramPath, SlashPathsSplitAtTheLastSlash) {
    ExpectSplit("/usr/bin/foo", "/usr/bin", "foo");
    ExpectSplit("/a/x", "/a", "x");
    ExpectSplit("bin/tools/run.sh", "bin/tools", "run.sh");
    ExpectSplit("C:\\Tools/sub\\run", "C:\\Tools/sub", "run");
}

TEST(ProgramPath, FileInTheRootFolderRunsInTheRootFolder) {
    ExpectSplit("/x", "/", "x");
    ExpectSplit("//x", "/", "x");
}

TEST(ProgramPath, PathWithoutSeparatorFromByteTwoOnIsPassedWhole) {
    ExpectSplit("backup.exe", "", "backup.exe");
    ExpectSplit("a/run", "", "a/run");
    ExpectSplit("\\run", "", "\\run");
    ExpectSplit("C:run.exe", "", "C:run.exe");
    ExpectSplit("", "", "");
}

TEST(ProgramPath, SecondByteOfATwoByteCharacterIsNotASeparator) {
    // 癨 is B0 5C in code page 936: its second byte is the byte of a backslash.
    std::string wide = Gb("癨");
    ASSERT_EQ(wide.size(), 2u);
    ASSERT_EQ(wide[1], '\\');
    std::string path = "C:\\" + Gb("工具") + "\\" + wide + ".exe";
    ExpectSplit(path, "C:\\" + Gb("工具"), wide + ".exe");
    ExpectSplit("/opt/" + wide + "x", "/opt", wide + "x");
    ExpectSplit("ab" + wide, "", "ab" + wide);
}

TEST(ProgramPath, TrailingSeparatorLeavesAnEmptyFile) { ExpectSplit("/usr/bin/", "/usr/bin", ""); }

}  // namespace
}  // namespace tocklet
