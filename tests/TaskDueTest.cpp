// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "fakes/FakeClock.h"
#include "tasks/TaskDue.h"

namespace tocklet {
namespace {

TaskRecord Task(int hour, int minute, const char* target, int month = 0, int day = 0,
                int weekday = 0) {
    TaskRecord t;
    t.nAction = 1;
    t.nHour = hour;
    t.nMinute = minute;
    t.nMonth = month;
    t.nDay = day;
    t.nWeekday = weekday;
    std::strncpy(t.szTarget, target, sizeof t.szTarget - 1);
    return t;
}

// 2026-12-25 is a Friday.
std::tm At(int year, int month, int day, int hour, int minute, int wday, int sec = 0) {
    std::tm tm = testing::CalendarTime(year, month, day, hour, minute, sec);
    tm.tm_wday = wday;
    return tm;
}

TEST(TaskDue, EveryDayTaskFiresAtItsHourAndMinuteOnAnyDay) {
    TaskRecord t = Task(10, 30, "meeting");
    EXPECT_TRUE(IsTaskDue(kScheduleDaily, t, At(2026, 3, 1, 10, 30, 0)));
    EXPECT_TRUE(IsTaskDue(kScheduleDaily, t, At(2027, 12, 31, 10, 30, 5, 59)));
    EXPECT_FALSE(IsTaskDue(kScheduleDaily, t, At(2026, 3, 1, 10, 31, 0)));
    EXPECT_FALSE(IsTaskDue(kScheduleDaily, t, At(2026, 3, 1, 22, 30, 0)));
    EXPECT_FALSE(IsTaskDue(kScheduleDaily, t, At(2026, 3, 1, 10, 29, 0)));
}

TEST(TaskDue, DateTaskFiresOnItsDateInEveryYear) {
    TaskRecord t = Task(8, 5, "gifts", 12, 25);
    EXPECT_TRUE(IsTaskDue(kScheduleDate, t, At(2026, 12, 25, 8, 5, 5)));
    EXPECT_TRUE(IsTaskDue(kScheduleDate, t, At(2031, 12, 25, 8, 5, 4)));
    EXPECT_FALSE(IsTaskDue(kScheduleDate, t, At(2026, 12, 24, 8, 5, 4)));
    EXPECT_FALSE(IsTaskDue(kScheduleDate, t, At(2026, 11, 25, 8, 5, 3)));
    EXPECT_FALSE(IsTaskDue(kScheduleDate, t, At(2026, 12, 25, 8, 6, 5)));
    EXPECT_FALSE(IsTaskDue(kScheduleDate, t, At(2026, 12, 25, 9, 5, 5)));
}

TEST(TaskDue, WeekdayDigitsCountFromSunday) {
    TaskRecord sunday = Task(7, 0, "", 0, 0, 1);
    TaskRecord monday = Task(7, 0, "", 0, 0, 2);
    TaskRecord saturday = Task(7, 0, "", 0, 0, 7);
    for (int wday = 0; wday < 7; ++wday) {
        std::tm now = At(2026, 6, 7 + wday, 7, 0, wday);
        EXPECT_EQ(IsTaskDue(kScheduleWeekly, sunday, now), wday == 0) << wday;
        EXPECT_EQ(IsTaskDue(kScheduleWeekly, monday, now), wday == 1) << wday;
        EXPECT_EQ(IsTaskDue(kScheduleWeekly, saturday, now), wday == 6) << wday;
    }
    EXPECT_FALSE(IsTaskDue(kScheduleWeekly, monday, At(2026, 6, 8, 7, 1, 1)));
}

TEST(TaskDue, UnknownScheduleIsNeverDue) {
    TaskRecord t = Task(10, 30, "x", 12, 25, 6);
    std::tm now = At(2026, 12, 25, 10, 30, 5);
    for (char schedule : {'0', '4', '9', 'a', '\0'}) {
        EXPECT_FALSE(IsTaskDue(schedule, t, now)) << int{schedule};
    }
}

TEST(TaskDue, DueTasksComeEveryDayThenDateThenWeeklyInTableOrder) {
    std::vector<TaskRecord> daily = {Task(10, 30, "d0"), Task(10, 31, "d1"), Task(10, 30, "d2")};
    std::vector<TaskRecord> date = {Task(10, 30, "t0", 12, 25), Task(10, 30, "t1", 12, 24)};
    std::vector<TaskRecord> weekly = {Task(10, 30, "w0", 0, 0, 6), Task(10, 30, "w1", 0, 0, 7)};
    // Friday 25 December, 10:30.
    auto due = DueTasks({daily, date, weekly}, At(2026, 12, 25, 10, 30, 5));
    std::vector<std::string> targets;
    for (const auto& d : due) targets.emplace_back(d.record.Target());
    EXPECT_EQ(targets, (std::vector<std::string>{"d0", "d2", "t0", "w0"}));
    ASSERT_EQ(due.size(), 4u);
    EXPECT_EQ(due[1].schedule, kScheduleDaily);
    EXPECT_EQ(due[1].index, 2u);
    EXPECT_EQ(due[2].schedule, kScheduleDate);
    EXPECT_EQ(due[2].index, 0u);
    EXPECT_EQ(due[3].schedule, kScheduleWeekly);
    EXPECT_EQ(due[3].index, 0u);
}

TEST(TaskDue, NothingDueGivesAnEmptyList) {
    std::vector<TaskRecord> daily = {Task(10, 30, "d0")};
    EXPECT_TRUE(DueTasks({daily, {}, {}}, At(2026, 12, 25, 10, 29, 5)).empty());
    EXPECT_TRUE(DueTasks({}, At(2026, 12, 25, 10, 30, 5)).empty());
}

}  // namespace
}  // namespace tocklet
