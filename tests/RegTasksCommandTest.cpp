// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <sstream>

#include "fakes/FakeRegistry.h"
#include "store/Text.h"
#include "tasks/TaskStore.h"
#include "tools/RegTasksCommand.h"

namespace tocklet {
namespace {

using testing::FakeRegistry;

TEST(RegTasksCommand, PrintsOneLinePerValueNumber) {
    FakeRegistry reg;
    reg.Put(kProgramKeyRead, "happen", std::string("6\0\0", 3));
    reg.Put(kProgramKeyRead, "1", StoredString("1110,30_|" + Gb("开会"), 100));
    reg.Put(kProgramKeyRead, "2", StoredString("128,5_12.25|Merry", 100));
    // 3 missing, 4 empty
    reg.Put(kProgramKeyRead, "4", std::string(100, '\0'));
    reg.Put(kProgramKeyRead, "5", StoredString("0322,0_6|C:\\Tools\\backup.exe", 100));
    reg.Put(kProgramKeyRead, "6", StoredString("1910,0_|a\tb", 100));
    reg.Put(kProgramKeyRead, "7", StoredString("1110,0_|beyond the count", 100));
    std::ostringstream out, err;
    EXPECT_EQ(RunTasksCommand(reg, out, err), 0);
    EXPECT_EQ(out.str(),
              "1\t1\t1\t10\t30\t0\t0\t0\tfires\t开会\n"
              "2\t1\t2\t8\t5\t12\t25\t0\tfires\tMerry\n"
              "3\tmissing\n"
              "4\tmissing\n"
              "5\t0\t3\t22\t0\t0\t0\t6\tfires\tC:\\Tools\\backup.exe\n"
              "6\t1\t9\t10\t0\t0\t0\t0\tnever\ta b\n");
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(reg.OpenHandles(), 0u);
}

TEST(RegTasksCommand, BadActionNeverFires) {
    FakeRegistry reg;
    reg.Put(kProgramKeyRead, "happen", std::string("2\0\0", 3));
    reg.Put(kProgramKeyRead, "1", StoredString("2110,0_|x", 100));
    reg.Put(kProgramKeyRead, "2", StoredString("x110,0_|y", 100));
    std::ostringstream out, err;
    EXPECT_EQ(RunTasksCommand(reg, out, err), 0);
    EXPECT_EQ(out.str(),
              "1\t2\t1\t10\t0\t0\t0\t0\tnever\tx\n"
              "2\t-1\t1\t10\t0\t0\t0\t0\tnever\ty\n");
}

TEST(RegTasksCommand, NoCountPrintsNothing) {
    FakeRegistry reg;
    reg.AddKey(kProgramKeyRead);
    std::ostringstream out, err;
    EXPECT_EQ(RunTasksCommand(reg, out, err), 0);
    EXPECT_EQ(out.str(), "");
}

TEST(RegTasksCommand, CountAboveTheLimitIsShownAsTheProgramSeesIt) {
    FakeRegistry reg;
    reg.Put(kProgramKeyRead, "happen", std::string("25\0", 3));
    std::ostringstream out, err;
    EXPECT_EQ(RunTasksCommand(reg, out, err), 0);
    EXPECT_EQ(out.str().substr(out.str().rfind('\n', out.str().size() - 2) + 1), "20\tmissing\n");
    EXPECT_NE(err.str().find("25"), std::string::npos);
}

TEST(RegTasksCommand, MissingKeyFailsWithAMessage) {
    FakeRegistry reg;
    std::ostringstream out, err;
    EXPECT_NE(RunTasksCommand(reg, out, err), 0);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("Software\\Microsoft\\Windows\\tocklet"), std::string::npos);

    reg.AddKey(kProgramKeyRead);
    reg.FailOpenForRead(kProgramKeyRead);
    std::ostringstream out2, err2;
    EXPECT_NE(RunTasksCommand(reg, out2, err2), 0);
    EXPECT_FALSE(err2.str().empty());
}

}  // namespace
}  // namespace tocklet
