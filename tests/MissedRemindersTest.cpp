// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The minute checks across jumps of the clock, on Berlin's local time of 2026 (daylight saving
// from 29 March 01:00 UTC to 25 October 01:00 UTC), without depending on the machine's zone.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "fakes/FakeClock.h"
#include "platform/TimerSchedule.h"
#include "tasks/MissedReminders.h"

namespace tocklet {
namespace {

std::int64_t Utc(int year, int month, int day, int hour, int minute, int second = 0) {
    std::tm tm = testing::CalendarTime(year, month, day, hour, minute, second);
    return static_cast<std::int64_t>(timegm(&tm));
}

const std::int64_t kSummerStarts = Utc(2026, 3, 29, 1, 0);
const std::int64_t kSummerEnds = Utc(2026, 10, 25, 1, 0);

std::tm Berlin(std::int64_t second) {
    const bool summer = second >= kSummerStarts && second < kSummerEnds;
    const std::time_t local = static_cast<std::time_t>(second + (summer ? 7200 : 3600));
    std::tm tm{};
    gmtime_r(&local, &tm);
    return tm;
}

// The UTC second at which Berlin's clock shows the given time (winter before the spring
// change and after the autumn one; for the repeated autumn hour, its first, summer, pass).
std::int64_t Local(int year, int month, int day, int hour, int minute, int second = 0) {
    for (int offset : {7200, 3600}) {
        const std::int64_t s = Utc(year, month, day, hour, minute, second) - offset;
        const std::tm back = Berlin(s);
        if (back.tm_hour == hour && back.tm_min == minute && back.tm_mday == day) return s;
    }
    ADD_FAILURE() << "no such local time";
    return 0;
}

TaskRecord Task(int action, int hour, int minute, const char* target) {
    TaskRecord t;
    t.nAction = action;
    t.nHour = hour;
    t.nMinute = minute;
    std::strncpy(t.szTarget, target, sizeof t.szTarget - 1);
    return t;
}

struct Fixture {
    std::vector<TaskRecord> daily;
    TaskCheckLog log{Berlin, kCatchUpSeconds};
    TaskTables Tables() const { return {daily, {}, {}}; }

    // Checks at each whole minute from first to last (UTC seconds), as the minute timer does;
    // returns what each check showed late and which ran.
    std::vector<std::string> Run(std::int64_t first, std::int64_t last) {
        std::vector<std::string> seen;
        for (std::int64_t s = first; s <= last; s += 60) Note(log.Check(Tables(), s), seen);
        return seen;
    }
    static void Note(const MinuteCheck& check, std::vector<std::string>& seen) {
        for (const LateReminder& late : check.late) seen.push_back(Describe(late));
        if (!check.runDue) seen.push_back("skipped");
    }
    static std::string Describe(const LateReminder& late) {
        char due[64];
        std::snprintf(due, sizeof due, "%02d-%02d %02d:%02d ", late.due.tm_mon + 1,
                      late.due.tm_mday, late.due.tm_hour, late.due.tm_min);
        return due + std::string(late.record.szTarget);
    }
};

TEST(MissedReminders, ChecksMinuteByMinuteShowNothingLate) {
    Fixture f;
    f.daily = {Task(1, 10, 30, "meeting")};
    EXPECT_TRUE(f.Run(Local(2026, 12, 8, 10, 0), Local(2026, 12, 8, 11, 0)).empty());
}

TEST(MissedReminders, ResumeShowsTheMessagesOfTheSleepOnlyOldestFirst) {
    Fixture f;
    f.daily = {Task(1, 14, 0, "call"),    Task(0, 14, 5, "/bin/backup"), Task(1, 13, 58, "tea"),
               Task(1, 13, 50, "before"), Task(1, 16, 0, "after"),       Task(1, 14, 20, "now")};
    // Checked up to 13:55, asleep two hours, awake at 15:55:30.
    EXPECT_TRUE(f.Run(Local(2026, 12, 8, 13, 45), Local(2026, 12, 8, 13, 55)).empty());
    std::vector<std::string> seen;
    for (const LateReminder& late : f.log.Resumed(f.Tables(), Local(2026, 12, 8, 15, 55, 30)))
        seen.push_back(Fixture::Describe(late));
    EXPECT_EQ(seen,
              (std::vector<std::string>{"12-08 13:58 tea", "12-08 14:00 call", "12-08 14:20 now"}));
    // The next minutes go on as usual, nothing twice.
    EXPECT_TRUE(f.Run(Local(2026, 12, 8, 15, 56), Local(2026, 12, 8, 16, 1)).empty());
}

TEST(MissedReminders, CheckAfterAJumpPastTheCatchUpWindowShowsTheSkippedMessages) {
    Fixture f;
    f.daily = {Task(1, 9, 10, "standup"), Task(0, 9, 20, "/bin/job"), Task(1, 9, 41, "lunch")};
    // A wake-up without word of the sleep, or the clock set forward: the check that comes next
    // finds the jump.
    f.Run(Local(2026, 12, 8, 9, 0), Local(2026, 12, 8, 9, 5));
    EXPECT_EQ(f.Run(Local(2026, 12, 8, 9, 40), Local(2026, 12, 8, 9, 41)),
              (std::vector<std::string>{"12-08 09:10 standup"}));
}

TEST(MissedReminders, LateTicksWithinTheCatchUpWindowStayMissed) {
    Fixture f;
    f.daily = {Task(1, 9, 6, "skipped by a late tick")};
    f.Run(Local(2026, 12, 8, 9, 0), Local(2026, 12, 8, 9, 5));
    // The minute timer held up for two minutes: 09:06 passed unexamined and stays so.
    EXPECT_TRUE(f.Run(Local(2026, 12, 8, 9, 7, 5), Local(2026, 12, 8, 9, 10, 5)).empty());
}

TEST(MissedReminders, BackwardStepNeverRunsAMinuteTwice) {
    Fixture f;
    f.daily = {Task(1, 9, 3, "once")};
    f.Run(Local(2026, 12, 8, 9, 0), Local(2026, 12, 8, 9, 5));
    // Set back by four minutes: 09:02 to 09:05 were examined, 09:06 is new.
    EXPECT_EQ(f.Run(Local(2026, 12, 8, 9, 2), Local(2026, 12, 8, 9, 6)),
              (std::vector<std::string>{"skipped", "skipped", "skipped", "skipped"}));
}

TEST(MissedReminders, SpanLongerThanADayShowsOnlyTheLastDayEachOnce) {
    Fixture f;
    f.daily = {Task(1, 8, 0, "daily"), Task(1, 20, 0, "evening")};
    f.Run(Local(2026, 12, 1, 7, 0), Local(2026, 12, 1, 7, 1));
    std::vector<std::string> seen;
    for (const LateReminder& late : f.log.Resumed(f.Tables(), Local(2026, 12, 4, 10, 0, 20)))
        seen.push_back(Fixture::Describe(late));
    EXPECT_EQ(seen, (std::vector<std::string>{"12-03 20:00 evening", "12-04 08:00 daily"}));
}

TEST(MissedReminders, SpringForwardHourCountsAsSkipped) {
    Fixture f;
    f.daily = {Task(1, 2, 30, "in the lost hour"), Task(0, 2, 15, "/bin/not-late")};
    // 01:59 CET is followed a minute later by 03:00 CEST.
    EXPECT_EQ(f.Run(Local(2026, 3, 29, 1, 50), Local(2026, 3, 29, 3, 5)),
              (std::vector<std::string>{"03-29 02:30 in the lost hour"}));
}

TEST(MissedReminders, AutumnRepeatedHourRunsNoMinuteTwice) {
    Fixture f;
    f.daily = {Task(1, 2, 30, "once")};
    // 02:59 CEST is followed by 02:00 CET: the second pass over 02:00..02:59 runs nothing.
    std::vector<std::string> seen;
    int ran = 0;
    for (std::int64_t s = Local(2026, 10, 25, 1, 50); s <= Local(2026, 10, 25, 1, 50) + 2 * 3600;
         s += 60) {
        const MinuteCheck check = f.log.Check(f.Tables(), s);
        EXPECT_TRUE(check.late.empty());
        if (check.runDue && Berlin(s).tm_hour == 2 && Berlin(s).tm_min == 30) ++ran;
    }
    EXPECT_EQ(ran, 1);
}

TEST(MissedReminders, ForgettingLeavesPausedMinutesOut) {
    Fixture f;
    f.daily = {Task(1, 9, 30, "paused")};
    f.Run(Local(2026, 12, 8, 9, 0), Local(2026, 12, 8, 9, 1));
    f.log.Forget();
    EXPECT_TRUE(f.Run(Local(2026, 12, 8, 10, 0), Local(2026, 12, 8, 10, 5)).empty());
}

}  // namespace
}  // namespace tocklet
