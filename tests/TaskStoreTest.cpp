// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakeRegistry.h"
#include "store/Text.h"
#include "tasks/TaskStore.h"
#include "tasks/ui/TaskMessages.h"

namespace tocklet {
namespace {

using testing::FakeMessageBoxes;
using testing::FakeRegistry;

std::string Value100(std::string_view record) { return StoredString(record, 100); }

class TaskStoreTest : public ::testing::Test {
protected:
    void SetUp() override { reg.AddKey(kProgramKeyRead); }

    /// Stores records as values 1, 2, ... ("" leaves that number missing) and loads them.
    void Load(const std::vector<std::string>& records, int count = -1) {
        for (std::size_t i = 0; i < records.size(); ++i) {
            if (!records[i].empty())
                reg.Put(kProgramKeyRead, std::to_string(i + 1), Value100(records[i]));
        }
        ASSERT_TRUE(store.LoadTasks(count < 0 ? static_cast<int>(records.size()) : count));
    }
    std::optional<std::string> Stored(int v) const {
        return reg.Get(kProgramKeyRead, std::to_string(v));
    }
    std::vector<std::string> WrittenNames() const {
        std::vector<std::string> n;
        for (const auto& w : reg.writes) n.push_back(w.name);
        return n;
    }

    /// Appends as the add-task dialog does, showing what it shows; returns the new count.
    int Append(std::string_view record, int count) {
        const AppendResult result = store.AppendTask(record, count);
        ShowNotices(boxes, AppendNotices(result));
        return result.count;
    }
    /// Rewrites as the panel does after a deletion, showing what it shows.
    void Rewrite(TaskStore& tasks, int added) {
        ShowNotices(boxes, RewriteNotices(tasks.RewriteTasks(added)));
    }

    FakeRegistry reg;
    FakeMessageBoxes boxes;
    TaskStore store{reg};
};

const std::string W = "1322,0_6|weekly";
const std::string D = "1110,30_|daily";
const std::string T = "128,5_12.25|date";

TEST_F(TaskStoreTest, LoadsTablesInValueNumberOrder) {
    Load({W, D, T, "1910,0_|odd"});
    EXPECT_EQ(store.TaskCount(), 4);
    EXPECT_EQ(store.Tables().m_dailyTasks.count, 1);
    EXPECT_EQ(store.Tables().m_dateTasks.count, 1);
    EXPECT_EQ(store.Tables().m_weeklyTasks.count, 1);
    EXPECT_EQ(store.Tables().m_dailyTasks.tasks[0].Target(), "daily");
    EXPECT_EQ(store.Tables().m_dateTasks.tasks[0].nDay, 25);
    EXPECT_EQ(store.Tables().m_weeklyTasks.tasks[0].nWeekday, 6);
    // A record of no schedule stays a record (so a rewrite keeps it) but is in no table.
    EXPECT_EQ(store.Record(4), "1910,0_|odd");
    EXPECT_EQ(store.ValueNumberOf(kScheduleDaily, 0), 2);
    EXPECT_EQ(store.ValueNumberOf(kScheduleDate, 0), 3);
    EXPECT_EQ(store.ValueNumberOf(kScheduleWeekly, 0), 1);
    EXPECT_EQ(store.ValueNumberOf(kScheduleWeekly, 1), 0);
    const auto rows = store.DeleteRows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].text, "daily");
    EXPECT_EQ(rows[0].valueNumber, 2);
    EXPECT_EQ(rows[1].text, "date");
    EXPECT_EQ(rows[2].text, "weekly");
    EXPECT_EQ(rows[2].valueNumber, 1);
    EXPECT_EQ(reg.openedPaths.back(), "Software\\Microsoft\\Windows\\tocklet");
    EXPECT_EQ(reg.OpenHandles(), 0u);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(TaskStoreTest, MissingValueIsSkippedAndRewrittenEmpty) {
    Load({D, "", T});
    EXPECT_EQ(store.TaskCount(), 3);
    EXPECT_EQ(store.Tables().m_dailyTasks.count + store.Tables().m_dateTasks.count, 2);
    EXPECT_TRUE(store.Record(2).empty());
    Rewrite(store, 0);
    ASSERT_EQ(WrittenNames(), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(reg.writes[0].key, "SoftWare\\Microsoft\\Windows\\tocklet");
    EXPECT_EQ(reg.writes[0].bytes, Value100(D));
    EXPECT_EQ(reg.writes[1].bytes, std::string(100, '\0'));
    EXPECT_EQ(reg.writes[2].bytes, Value100(T));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(TaskStoreTest, UnreadableValuesAndKeyLoadNothingSilently) {
    reg.Put(kProgramKeyRead, "2", std::string(150, 'x'));  // too large for the 100-byte buffer
    reg.FailQuery(kProgramKeyRead, "3");
    Load({D, "", T});
    EXPECT_EQ(store.Tables().m_dailyTasks.count, 1);
    EXPECT_EQ(store.Tables().m_dateTasks.count, 0);

    FakeRegistry noKey;
    TaskStore other(noKey);
    EXPECT_FALSE(other.LoadTasks(2));
    EXPECT_EQ(other.Tables().m_dailyTasks.count + other.Tables().m_dateTasks.count +
                  other.Tables().m_weeklyTasks.count,
              0);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(TaskStoreTest, CountIsKeptToWhatTheStoreHolds) {
    for (int v = 1; v <= 22; ++v) reg.Put(kProgramKeyRead, std::to_string(v), Value100(D));
    ASSERT_TRUE(store.LoadTasks(22));
    EXPECT_EQ(store.TaskCount(), 20);
    EXPECT_EQ(store.Tables().m_dailyTasks.count, 20);
    ASSERT_TRUE(store.LoadTasks(-3));
    EXPECT_EQ(store.TaskCount(), 0);
    EXPECT_EQ(store.Tables().m_dailyTasks.count, 0);
}

TEST_F(TaskStoreTest, AppendWritesTheValueThenTheCount) {
    const std::string rec = "1110,30_|" + Gb("开会");
    EXPECT_EQ(Append(rec, 3), 4);
    ASSERT_EQ(WrittenNames(), (std::vector<std::string>{"4", "happen"}));
    EXPECT_EQ(reg.writes[0].bytes.size(), 100u);
    EXPECT_EQ(reg.writes[0].bytes, Value100(rec));
    EXPECT_EQ(reg.writes[1].bytes, std::string("4\0\0", 3));
    EXPECT_EQ(reg.writes[1].key, "SoftWare\\Microsoft\\Windows\\tocklet");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, Gb("您的数据已经被成功地保存了\n"));
    EXPECT_EQ(boxes.shown[0].caption, Gb("守时鸟向您提示"));
    EXPECT_EQ(boxes.shown[0].buttons, MbButtons::Ok);
    EXPECT_EQ(boxes.shown[0].icon, MbIcon::None);
    EXPECT_EQ(reg.OpenHandles(), 0u);
}

TEST_F(TaskStoreTest, AppendThatCannotOpenTheKeyKeepsTheCount) {
    reg.FailOpenForWrite(kProgramKeyWrite);
    EXPECT_EQ(Append(D, 2), 2);
    EXPECT_EQ(boxes.Texts(),
              (std::vector<std::string>{Gb("  保存数据失败!  "), "Fail to set value"}));
    EXPECT_EQ(boxes.shown[0].caption, kAppCaption);
    EXPECT_TRUE(reg.writes.empty());
}

TEST_F(TaskStoreTest, FailedValueWriteNeverCountsAStaleValue) {
    // Value 4 still holds a task deleted earlier; a failed append must not bring it back.
    Load({D, T, W, "1110,0_|deleted before"}, 3);
    reg.Put(kProgramKeyRead, "happen", std::string("3\0\0", 3));
    reg.FailSet(kProgramKeyWrite, "4");
    EXPECT_EQ(Append("1111,0_|new", 3), 3);
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"Fail to set value"}));
    EXPECT_EQ(reg.Get(kProgramKeyRead, "happen"), std::string("3\0\0", 3));
}

TEST_F(TaskStoreTest, AppendKeepsTasksAnotherProgramAddedMeanwhile) {
    // The dialog was opened on one task; another program has since stored a second.
    Load({D, W}, 1);
    reg.Put(kProgramKeyRead, "happen", std::string("2\0\0", 3));
    EXPECT_EQ(Append(T, 1), 3);
    EXPECT_EQ(Stored(2), Value100(W));
    EXPECT_EQ(Stored(3), Value100(T));
    EXPECT_EQ(reg.Get(kProgramKeyRead, "happen"), std::string("3\0\0", 3));
    // Twenty stored tasks are a full list, whatever count the caller had.
    reg.Put(kProgramKeyRead, "happen", std::string("20\0", 3));
    EXPECT_EQ(Append(T, 3), 20);
    EXPECT_FALSE(Stored(21).has_value());
}

TEST_F(TaskStoreTest, TwentyFirstTaskIsRefused) {
    EXPECT_EQ(Append(D, 19), 20);
    EXPECT_EQ(reg.Get(kProgramKeyRead, "happen"), std::string("20\0", 3));
    reg.writes.clear();
    boxes.shown.clear();
    EXPECT_EQ(Append(D, 20), 20);
    EXPECT_TRUE(reg.writes.empty());
    EXPECT_FALSE(Stored(21).has_value());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, Gb("守时鸟向您提示"));
    EXPECT_NE(GbToUtf8(boxes.shown[0].text).find("20"), std::string::npos);
}

TEST_F(TaskStoreTest, OverlongRecordIsRefusedWhole) {
    const std::string path99 = "0110,0_|/" + std::string(90, 'p');  // 99 bytes
    ASSERT_EQ(path99.size(), 99u);
    EXPECT_EQ(Append(path99, 0), 1);
    EXPECT_EQ(Stored(1)->substr(0, 99), path99);
    EXPECT_EQ((*Stored(1))[99], '\0');
    reg.writes.clear();
    boxes.shown.clear();
    EXPECT_EQ(Append(path99 + "q", 1), 1);
    EXPECT_TRUE(reg.writes.empty());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, Gb("守时鸟向您提示"));
}

TEST_F(TaskStoreTest, DeleteMovesTheLastRecordIntoTheGap) {
    const std::string a = "1110,0_|a", b = "1111,0_|b", c = "1112,0_|c", d = "1113,0_|d";
    Load({a, b, c, d});
    ASSERT_TRUE(store.DeleteTask(2));
    EXPECT_EQ(store.TaskCount(), 3);
    Rewrite(store, 0);
    ASSERT_EQ(WrittenNames(), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(*Stored(1), Value100(a));
    EXPECT_EQ(*Stored(2), Value100(d));
    EXPECT_EQ(*Stored(3), Value100(c));
}

TEST_F(TaskStoreTest, DeleteLastAndOnly) {
    Load({D, T, W});
    ASSERT_TRUE(store.DeleteTask(3));
    EXPECT_EQ(store.TaskCount(), 2);
    EXPECT_EQ(store.Record(1), D);
    EXPECT_EQ(store.Record(2), T);

    TaskStore one(reg);
    ASSERT_TRUE(one.LoadTasks(1));
    ASSERT_TRUE(one.DeleteTask(1));
    EXPECT_EQ(one.TaskCount(), 0);
    reg.writes.clear();
    Rewrite(one, 0);
    EXPECT_TRUE(reg.writes.empty());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(TaskStoreTest, DeletingTheFirstRowFollowsItsValueNumber) {
    // Values: 1 weekly W, 2 every-day D, 3 date T; the rows read D, T, W.
    Load({W, D, T});
    const auto rows = store.DeleteRows();
    ASSERT_EQ(rows[0].text, "daily");
    ASSERT_TRUE(store.DeleteTask(rows[0].valueNumber));
    Rewrite(store, 0);
    EXPECT_EQ(store.TaskCount(), 2);
    EXPECT_EQ(*Stored(1), Value100(W));
    EXPECT_EQ(*Stored(2), Value100(T));
}

TEST_F(TaskStoreTest, MissingValuesNeverCostAnotherTask) {
    // Value 4 is missing: the last record that exists moves, and the count drops past holes.
    const std::string a = "1110,0_|a", b = "1111,0_|b", c = "1112,0_|c";
    Load({a, b, c, ""});
    ASSERT_EQ(store.DeleteRows().size(), 3u);
    ASSERT_TRUE(store.DeleteTask(1));
    EXPECT_EQ(store.TaskCount(), 2);
    EXPECT_EQ(store.Record(1), c);
    EXPECT_EQ(store.Record(2), b);

    // Value 2 missing: deleting the last task also drops the hole before it.
    TaskStore s2(reg);
    reg.Remove(kProgramKeyRead, "2");
    ASSERT_TRUE(s2.LoadTasks(3));
    ASSERT_TRUE(s2.DeleteTask(3));
    EXPECT_EQ(s2.TaskCount(), 1);
    EXPECT_EQ(s2.Record(1), a);
}

TEST_F(TaskStoreTest, DeleteRefusesWhatIsNotTheShownTask) {
    const std::string a = "1110,0_|a", b = "1111,0_|b", c = "1112,0_|c";
    Load({a, "", b, c});
    EXPECT_FALSE(store.DeleteTask(0));
    EXPECT_FALSE(store.DeleteTask(2));  // missing value: no task shown for it
    EXPECT_FALSE(store.DeleteTask(5));
    EXPECT_EQ(store.TaskCount(), 4);
    // After one deletion, the moved record and the emptied number are no longer what was shown.
    ASSERT_TRUE(store.DeleteTask(1));  // c moves into 1
    EXPECT_FALSE(store.DeleteTask(1));
    EXPECT_FALSE(store.DeleteTask(4));
    ASSERT_TRUE(store.DeleteTask(3));  // b is still where it was loaded
    EXPECT_EQ(store.TaskCount(), 1);
    EXPECT_EQ(store.Record(1), c);
}

TEST_F(TaskStoreTest, RewriteKeepsTasksAppendedSinceTheLoad) {
    const std::string a = "1110,0_|a", b = "1111,0_|b", c = "1112,0_|c", d = "1113,0_|d";
    Load({a, b, c});
    ASSERT_EQ(Append(d, 3), 4);
    ASSERT_TRUE(store.DeleteTask(1));
    reg.writes.clear();
    Rewrite(store, 1);  // "happen" becomes 2 + 1
    ASSERT_EQ(WrittenNames(), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(*Stored(1), Value100(c));
    EXPECT_EQ(*Stored(2), Value100(b));
    EXPECT_EQ(*Stored(3), Value100(d));
}

TEST_F(TaskStoreTest, RewriteReportsFailures) {
    Load({D, T});
    reg.FailSet(kProgramKeyWrite, "2");
    Rewrite(store, 0);
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"Fail to set value"}));
    boxes.shown.clear();
    reg.FailOpenForWrite(kProgramKeyWrite);
    Rewrite(store, 0);
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{Gb("  保存数据失败!  ")}));
    EXPECT_EQ(reg.OpenHandles(), 0u);
}

TEST_F(TaskStoreTest, TaskCountsUpToTwentyLoadWhole) {
    for (int n = 10; n <= 20; ++n) {
        for (int v = 1; v <= n; ++v) {
            reg.Put(kProgramKeyRead, std::to_string(v),
                    Value100("111," + std::to_string(v) + "_|t" + std::to_string(v)));
        }
        ASSERT_TRUE(store.LoadTasks(n));
        EXPECT_EQ(store.Tables().m_dailyTasks.count, n);
        EXPECT_EQ(store.Tables().m_dailyTasks.tasks[static_cast<std::size_t>(n - 1)].Target(),
                  "t" + std::to_string(n));
        EXPECT_EQ(store.Tables().View().daily.size(), static_cast<std::size_t>(n));
    }
    EXPECT_TRUE(boxes.shown.empty());
}

}  // namespace
}  // namespace tocklet
