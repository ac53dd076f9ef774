// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// `tocklet-reg task list|add|delete` through the tool's command library, on a fake registry.
#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <sstream>

#include "TempDir.h"
#include "fakes/FakeRegistry.h"
#include "protection/PasswordRules.h"
#include "settings/SettingsTable.h"
#include "store/Text.h"
#include "tasks/AddTaskLogic.h"
#include "tasks/TaskTexts.h"
#include "tools/RegTaskCommand.h"

namespace tocklet {
namespace {

using testing::FakeRegistry;
using testing::TempDir;

// Answers prepared by the test; nullopt stands for no terminal.
class FakePassword final : public PasswordSource {
public:
    explicit FakePassword(std::deque<std::optional<std::string>> answers = {})
        : answers_(std::move(answers)) {}
    std::optional<std::string> Ask(std::string_view prompt) override {
        prompts.emplace_back(prompt);
        if (answers_.empty()) return std::nullopt;
        auto answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    std::vector<std::string> prompts;

private:
    std::deque<std::optional<std::string>> answers_;
};

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

Outcome Task(FakeRegistry& reg, std::vector<std::string> args, PasswordSource* password = nullptr) {
    FakePassword none;
    std::ostringstream out, err;
    Outcome r;
    r.status = RunTaskCommand(reg, args, password ? *password : none, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

void PutTasks(FakeRegistry& reg, const std::vector<std::string>& records) {
    reg.Put(kProgramKeyRead, "happen", StoredString(std::to_string(records.size()), 3));
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!records[i].empty())
            reg.Put(kProgramKeyRead, std::to_string(i + 1), StoredString(records[i], 100));
    }
    reg.AddKey(kCurrentVersionKeyRead);
}

std::string Value(const FakeRegistry& reg, int v) {
    return std::string(UpToZero(reg.Get(kProgramKeyRead, std::to_string(v)).value_or("")));
}

std::string Count(const FakeRegistry& reg) {
    return std::string(UpToZero(reg.Get(kProgramKeyRead, "happen").value_or("")));
}

bool Has(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

TEST(RegTaskCommand, ListShowsNumberKindScheduleTimeAndTarget) {
    FakeRegistry reg;
    PutTasks(reg, {"1110,30_|" + Gb("开会"), "128,5_12.25|Merry", "", "0322,0_6|/usr/bin/backup",
                   "1310,0_1|a\tb", "1910,0_|odd", "0322,0_9|bad day"});
    const Outcome r = Task(reg, {"list"});
    EXPECT_EQ(r.status, kTaskDone) << r.err;
    EXPECT_EQ(r.out,
              " 1  message  every day        10:30  开会\n"
              " 2  message  every 12-25      08:05  Merry\n"
              " 3  missing\n"
              " 4  program  every Friday     22:00  /usr/bin/backup\n"
              " 5  message  every Sunday     10:00  a b\n"
              " 6  message  unknown          10:00  odd\n"
              " 7  program  unknown          22:00  bad day\n");
    EXPECT_EQ(reg.OpenHandles(), 0u);

    FakeRegistry none;
    const Outcome missing = Task(none, {"list"});
    EXPECT_EQ(missing.status, kTaskFailed);
    EXPECT_TRUE(Has(missing.err, "Software\\Microsoft\\Windows\\tocklet"));
    EXPECT_EQ(Task(reg, {"list", "extra"}).status, kTaskMisuse);
    EXPECT_EQ(Task(reg, {}).status, kTaskMisuse);
    EXPECT_EQ(Task(reg, {"remove", "1"}).status, kTaskMisuse);
}

TEST(RegTaskCommand, AddStoresTheRecordTheDialogStores) {
    TempDir dir;
    const std::string program = dir.File("backup");
    std::ofstream(program) << "#!/bin/sh\n";
    struct Row {
        std::vector<std::string> args;
        std::string record;
    };
    const std::vector<Row> rows{
        {{"--daily", "--at", "10:30", "--message", "开会"}, "1110,30_|" + Gb("开会")},
        {{"--weekday", "5", "--at", "22:00", "--program", program}, "0322,0_6|" + program},
        {{"--weekday=7", "--at=9:05", "--message="}, "139,5_1|"},
        {{"--weekday", "1", "--at", "00:00", "--message", "a|b,c"}, "130,0_2|a|b,c"},
        {{"--date", "12-25", "--at", "08:05", "--message", "Merry"}, "128,5_12.25|Merry"},
        {{"--date", "2-29", "--at", "23:59", "--message", "leap"}, "1223,59_2.29|leap"},
        {{"--at", "7:00", "--message", std::string(66, 'x'), "--daily"},
         "117,0_|" + std::string(66, 'x')},
    };
    for (const Row& row : rows) {
        FakeRegistry reg;
        PutTasks(reg, {"1110,0_|first"});
        std::vector<std::string> args{"add"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const Outcome r = Task(reg, args);
        EXPECT_EQ(r.status, kTaskDone) << row.record << ": " << r.err;
        EXPECT_EQ(reg.Get(kProgramKeyRead, "2"), StoredString(row.record, 100)) << row.record;
        EXPECT_EQ(reg.Get(kProgramKeyRead, "happen"), StoredString("2", 3));
        EXPECT_TRUE(Has(r.out, "您的数据已经被成功地保存了")) << r.out;
        EXPECT_TRUE(Has(r.out, " 2  ")) << r.out;
        EXPECT_EQ(Value(reg, 1), "1110,0_|first");
    }
}

TEST(RegTaskCommand, AddRefusalsWriteNothing) {
    TempDir dir;
    const std::string program = dir.File("tool");
    std::ofstream(program) << "#!/bin/sh\n";
    const std::string barred = dir.File("a|b");
    std::ofstream(barred) << "#!/bin/sh\n";
    const std::string longName = dir.File(std::string(100, 'p'));
    std::ofstream(longName) << "#!/bin/sh\n";
    struct Row {
        int tasks;  // tasks stored before
        std::vector<std::string> args;
        int status;
        std::string_view said;
    };
    const std::vector<Row> rows{
        {1, {"--at", "10:30", "--message", "x"}, kTaskMisuse, "--daily"},
        {1, {"--daily", "--date", "1-1", "--at", "10:30", "--message", "x"}, kTaskMisuse, "one of"},
        {1, {"--daily", "--message", "x"}, kTaskMisuse, "--at"},
        {1, {"--daily", "--at", "24:00", "--message", "x"}, kTaskMisuse, "HH:MM"},
        {1, {"--daily", "--at", "10:60", "--message", "x"}, kTaskMisuse, "HH:MM"},
        {1, {"--daily", "--at", "1030", "--message", "x"}, kTaskMisuse, "HH:MM"},
        {1, {"--daily", "--at", "10:30"}, kTaskMisuse, "--message"},
        {1,
         {"--daily", "--at", "10:30", "--message", "x", "--program", program},
         kTaskMisuse,
         "--message"},
        {1, {"--weekday", "8", "--at", "10:30", "--message", "x"}, kTaskMisuse, "Sunday"},
        {1, {"--weekday", "0", "--at", "10:30", "--message", "x"}, kTaskMisuse, "Sunday"},
        {1, {"--date", "1225", "--at", "10:30", "--message", "x"}, kTaskMisuse, "MM-DD"},
        {1, {"--daily", "--at", "10:30", "--message"}, kTaskMisuse, "needs a value"},
        {1, {"--daily", "--daily", "--at", "10:30", "--message", "x"}, kTaskMisuse, "twice"},
        {1, {"--hourly", "--at", "10:30", "--message", "x"}, kTaskMisuse, "unknown option"},
        {1, {"--daily=yes", "--at", "10:30", "--message", "x"}, kTaskMisuse, "no value"},
        {1, {"daily"}, kTaskMisuse, "unexpected"},
        {1,
         {"--date", "2-30", "--at", "10:30", "--message", "x"},
         kTaskRefused,
         ProblemText(AddTaskProblem::BadDate)},
        {1,
         {"--date", "13-1", "--at", "10:30", "--message", "x"},
         kTaskRefused,
         ProblemText(AddTaskProblem::BadDate)},
        {1,
         {"--daily", "--at", "10:30", "--message", std::string(67, 'x')},
         kTaskRefused,
         kTextTooLong},
        {1,
         {"--daily", "--at", "10:30", "--message", std::string(34, '\xe4')},
         kTaskRefused,
         kTextNotGb},
        {1, {"--daily", "--at", "10:30", "--message", "€"}, kTaskRefused, kTextNotGb},
        {1, {"--daily", "--at", "10:30", "--message", "a\tb"}, kTaskRefused, kTextNotGb},
        {1,
         {"--daily", "--at", "10:30", "--message", "\xf0\x9f\x98\x80"},
         kTaskRefused,
         kTextNotGb},
        {1,
         {"--daily", "--at", "10:30", "--program", dir.File("none")},
         kTaskRefused,
         kPathMissing},
        {1,
         {"--daily", "--at", "10:30", "--program", dir.Path().string()},
         kTaskRefused,
         kPathMissing},
        {1, {"--daily", "--at", "10:30", "--program", ""}, kTaskRefused, kPathMissing},
        {1, {"--daily", "--at", "10:30", "--program", barred}, kTaskRefused, kPathHasBar},
        {1,
         {"--daily", "--at", "10:30", "--program", longName},
         kTaskRefused,
         kTaskRecordTooLongText},
        {20, {"--daily", "--at", "10:30", "--message", "x"}, kTaskRefused, kTaskListFullText},
    };
    for (const Row& row : rows) {
        FakeRegistry reg;
        PutTasks(reg, std::vector<std::string>(static_cast<std::size_t>(row.tasks), "1110,0_|t"));
        std::vector<std::string> args{"add"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const Outcome r = Task(reg, args);
        const std::string what = ::testing::PrintToString(row.args);
        EXPECT_EQ(r.status, row.status) << what << ": " << r.err;
        EXPECT_TRUE(Has(r.err, row.said)) << what << ": " << r.err;
        EXPECT_TRUE(Has(r.err, "tocklet-reg: task add")) << what << ": " << r.err;
        EXPECT_EQ(r.out, "") << what;
        EXPECT_TRUE(reg.writes.empty()) << what;
    }
}

TEST(RegTaskCommand, AddThatCannotWriteSaysSoAndCountsNothing) {
    FakeRegistry reg;
    PutTasks(reg, {"1110,0_|t"});
    reg.FailOpenForWrite(kProgramKeyWrite);
    const Outcome r = Task(reg, {"add", "--daily", "--at", "10:30", "--message", "x"});
    EXPECT_EQ(r.status, kTaskFailed);
    EXPECT_TRUE(Has(r.err, kTaskSaveFailedText)) << r.err;
    EXPECT_EQ(Count(reg), "1");

    FakeRegistry noKey;
    const Outcome missing = Task(noKey, {"add", "--daily", "--at", "10:30", "--message", "x"});
    EXPECT_EQ(missing.status, kTaskFailed);
    EXPECT_TRUE(noKey.writes.empty());
}

TEST(RegTaskCommand, DeleteCompactsTheListAsTheDeleteDialogDoes) {
    const std::string w = "1310,0_2|W", d = "1110,0_|D", t = "1110,0_3.1|T", e = "1110,0_|E";
    struct Row {
        std::vector<std::string> before;
        std::string number;
        std::vector<std::string> after;  // values 1 to the new count
        std::string_view moved;          // what the output says moved, if anything
    };
    const std::vector<Row> rows{
        {{w, d, t}, "2", {w, t}, "task 3 is now task 2"},
        {{w, d, t}, "1", {t, d}, "task 3 is now task 1"},
        {{w, d, t}, "3", {w, d}, ""},
        {{d}, "1", {}, ""},
        {{w, d, t, ""}, "1", {t, d}, "task 3 is now task 1"},
        {{w, "", t, e}, "4", {w, "", t}, ""},
    };
    for (const Row& row : rows) {
        FakeRegistry reg;
        PutTasks(reg, row.before);
        const Outcome r = Task(reg, {"delete", row.number});
        EXPECT_EQ(r.status, kTaskDone) << row.number << ": " << r.err;
        EXPECT_EQ(Count(reg), std::to_string(row.after.size()));
        for (std::size_t v = 0; v < row.after.size(); ++v)
            EXPECT_EQ(Value(reg, static_cast<int>(v) + 1), row.after[v]) << row.number;
        EXPECT_TRUE(Has(r.out, "deleted")) << r.out;
        EXPECT_TRUE(Has(r.out, row.moved.empty() ? "deleted" : row.moved)) << r.out;
        EXPECT_EQ(Has(r.out, "is now"), !row.moved.empty()) << r.out;
    }
}

TEST(RegTaskCommand, DeleteRefusalsWriteNothing) {
    struct Row {
        std::vector<std::string> args;
        int status;
        std::string_view said;
    };
    const std::vector<Row> rows{
        {{"delete"}, kTaskMisuse, "one task number"},
        {{"delete", "1", "2"}, kTaskMisuse, "one task number"},
        {{"delete", "0"}, kTaskMisuse, "1 to 20"},
        {{"delete", "21"}, kTaskMisuse, "1 to 20"},
        {{"delete", "x"}, kTaskMisuse, "1 to 20"},
        {{"delete", "4"}, kTaskRefused, "no task 4"},
        {{"delete", "2"}, kTaskRefused, "no task 2"},
    };
    for (const Row& row : rows) {
        FakeRegistry reg;
        PutTasks(reg, {"1110,0_|a", "", "1110,0_|c"});
        const Outcome r = Task(reg, row.args);
        const std::string what = ::testing::PrintToString(row.args);
        EXPECT_EQ(r.status, row.status) << what;
        EXPECT_TRUE(Has(r.err, row.said)) << what << ": " << r.err;
        EXPECT_TRUE(reg.writes.empty()) << what;
    }
}

TEST(RegTaskCommand, DeleteAsksForThePasswordWhileProtectionIsOn) {
    const std::string refused(kPasswordRefusedText);
    struct Row {
        std::string usePas;
        std::string pass;
        std::deque<std::optional<std::string>> answers;
        int status;
        std::size_t prompts;
        std::size_t refusals;
    };
    const std::vector<Row> rows{
        {"0", "secret", {}, kTaskDone, 0, 0},
        {"", "secret", {}, kTaskDone, 0, 0},
        {"1", "secret", {"secret"}, kTaskDone, 1, 0},
        {"1", "secret", {std::nullopt}, kTaskNoPassword, 1, 0},
        {"1", "secret", {"Secret", "secre", std::nullopt}, kTaskNoPassword, 3, 2},
        {"1", "secret", {"x", "y", "z", "secret"}, kTaskNoPassword, 3, 3},
        {"1", "secret", {"x", "", "secret"}, kTaskDone, 3, 2},
        {"1", "", {""}, kTaskDone, 1, 0},
        {"1", Gb("密码"), {"密码"}, kTaskDone, 1, 0},
    };
    for (const Row& row : rows) {
        FakeRegistry reg;
        PutTasks(reg, {"1110,0_|a", "1110,0_|b"});
        reg.Put(kCurrentVersionKeyRead, "UsePas", StoredString(row.usePas, 2));
        reg.Put(kCurrentVersionKeyRead, "pass", StoredString(row.pass, 11));
        FakePassword password(row.answers);
        const Outcome r = Task(reg, {"delete", "1"}, &password);
        const std::string what = row.usePas + "/" + row.pass;
        EXPECT_EQ(r.status, row.status) << what << ": " << r.err;
        EXPECT_EQ(password.prompts.size(), row.prompts) << what;
        std::size_t refusals = 0;
        for (auto at = r.err.find(refused); at != std::string::npos;
             at = r.err.find(refused, at + 1))
            ++refusals;
        EXPECT_EQ(refusals, row.refusals) << what << ": " << r.err;
        if (row.status == kTaskDone) {
            EXPECT_EQ(Count(reg), "1") << what;
            EXPECT_EQ(Value(reg, 1), "1110,0_|b") << what;
        } else {
            EXPECT_TRUE(reg.writes.empty()) << what;
            EXPECT_TRUE(Has(r.err, "nothing was written")) << what << ": " << r.err;
        }
    }
}

}  // namespace
}  // namespace tocklet
