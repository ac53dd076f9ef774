// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include "TempDir.h"
#include "store/Files.h"

namespace tocklet {
namespace {

using testing::TempDir;

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

TEST(Files, ReplaceLeavesTheWholeNewFileWithItsModeAndNoTemporaryFile) {
    TempDir dir;
    const std::string path = dir.File("f.txt");
    std::ofstream(path) << "old";
    ASSERT_EQ(ReplaceFile(path, std::string("new\0text", 8), 0644), ReplaceResult::Done);
    EXPECT_EQ(Contents(path), std::string("new\0text", 8));
    EXPECT_EQ(ModeOf(path), 0644u);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"f.txt"});

    // A failure before the rename keeps the old file, and says what failed.
    std::string error;
    const auto fail = [](ReplaceStep step) { return step != ReplaceStep::TempSynced; };
    EXPECT_EQ(ReplaceFile(path, "lost", 0600, &error, fail), ReplaceResult::NotReplaced);
    EXPECT_EQ(Contents(path), std::string("new\0text", 8));
    EXPECT_NE(error.find("cannot write"), std::string::npos);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"f.txt"});
    const auto afterRename = [](ReplaceStep step) { return step != ReplaceStep::Renamed; };
    EXPECT_EQ(ReplaceFile(path, "kept", 0600, nullptr, afterRename), ReplaceResult::NotDurable);
    EXPECT_EQ(Contents(path), "kept");
    EXPECT_EQ(ReplaceFile(dir.File("no/such/f"), "x", 0600), ReplaceResult::NotReplaced);
}

TEST(Files, PrivateFoldersAreMadeWithTheirParentsWhateverTheUmask) {
    TempDir dir;
    const mode_t old = ::umask(0);
    const std::string deep = dir.File("a/b/c");
    EXPECT_TRUE(MakePrivateFolders(deep));
    ::umask(old);
    EXPECT_EQ(ModeOf(dir.File("a")), 0700u);
    EXPECT_EQ(ModeOf(deep), 0700u);
    EXPECT_TRUE(MakePrivateFolders(deep + "/"));
    std::ofstream(dir.File("file")) << "x";
    EXPECT_FALSE(MakePrivateFolders(dir.File("file")));
    EXPECT_FALSE(MakePrivateFolders(dir.File("file/sub")));
    EXPECT_EQ(FolderOf("/x"), "/");
    EXPECT_EQ(FolderOf("x"), ".");
    EXPECT_EQ(FolderOf("/a/b"), "/a");
}

}  // namespace
}  // namespace tocklet
