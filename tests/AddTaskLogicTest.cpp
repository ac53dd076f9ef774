// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include "store/Text.h"
#include "tasks/AddTaskLogic.h"
#include "tasks/TaskRecord.h"

namespace tocklet {
namespace {

AddTaskChoices Message(char schedule, std::string_view textUtf8) {
    AddTaskChoices c;
    c.action = kActionMessage;
    c.schedule = schedule;
    c.monthText = "1";
    c.dayText = "1";
    c.weekdayText = Gb("星期一");
    c.reminderText = Gb(textUtf8);
    return c;
}

std::string Record(const AddTaskChoices& c) {
    const BuiltTask t = BuildTaskRecord(c);
    EXPECT_EQ(t.problem, AddTaskProblem::None);
    return t.record;
}

TEST(AddTaskRecordTest, EveryDayMessageWithTheOpeningTime) {
    EXPECT_EQ(Record(Message(kScheduleDaily, "开会")), Gb("1110,30_|开会"));
}

TEST(AddTaskRecordTest, WeeklyProgramOnFridayAtTen) {
    AddTaskChoices c = Message(kScheduleWeekly, "ignored for programs");
    c.action = kActionProgram;
    c.hour = 22;
    c.minute = 0;
    c.weekdayText = Gb("星期五");
    c.programPath = "C:\\Tools\\backup.exe";
    EXPECT_EQ(Record(c), "0322,0_6|C:\\Tools\\backup.exe");
}

TEST(AddTaskRecordTest, WeekdayDigitsCountFromSunday) {
    AddTaskChoices c = Message(kScheduleWeekly, "x");
    c.weekdayText = Gb("星期日");
    EXPECT_EQ(Record(c), "1310,30_1|x");
    c.weekdayText = Gb("星期一");
    EXPECT_EQ(Record(c), "1310,30_2|x");
    const char* names[] = {"星期一", "星期二", "星期三", "星期四", "星期五", "星期六", "星期日"};
    const int digits[] = {2, 3, 4, 5, 6, 7, 1};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(WeekdayDigit(Gb(names[i])), digits[i]) << names[i];
    // The combo lists the same seven texts, Monday first.
    ASSERT_EQ(WeekdayEntries().size(), 7u);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(WeekdayEntries()[static_cast<std::size_t>(i)], names[i]);
}

TEST(AddTaskRecordTest, NoScheduleCheckedStoresAWeeklyTaskForTheComboDay) {
    EXPECT_EQ(Record(Message(0, "x")), "1310,30_2|x");
    AddTaskChoices c = Message(0, "x");
    c.weekdayText = Gb("星期六");
    EXPECT_EQ(Record(c), "1310,30_7|x");
}

TEST(AddTaskRecordTest, DateTaskJoinsMonthAndDay) {
    AddTaskChoices c = Message(kScheduleDate, "Merry");
    c.hour = 8;
    c.minute = 5;
    c.monthText = "12";
    c.dayText = "25";
    EXPECT_EQ(Record(c), "128,5_12.25|Merry");
    c.monthText = "2";
    c.dayText = "29";  // occurs in leap years
    EXPECT_EQ(Record(c), "128,5_2.29|Merry");
    c.monthText = "05";
    c.dayText = "07";
    EXPECT_EQ(Record(c), "128,5_5.7|Merry");
}

TEST(AddTaskRecordTest, EmptyReminderTextIsStoredAsItIs) {
    EXPECT_EQ(Record(Message(kScheduleDaily, "")), "1110,30_|");
}

TEST(AddTaskRecordTest, ChoicesThatCouldNeverRunAreRefused) {
    AddTaskChoices date = Message(kScheduleDate, "x");
    for (auto [m, d] : {std::pair{"13", "1"},
                        {"0", "5"},
                        {"2", "30"},
                        {"4", "31"},
                        {"ab", "1"},
                        {"", "1"},
                        {"1", "123"},
                        {"1", " 1"},
                        {"1", "-1"}}) {
        date.monthText = m;
        date.dayText = d;
        EXPECT_EQ(BuildTaskRecord(date).problem, AddTaskProblem::BadDate) << m << "." << d;
    }
    AddTaskChoices weekly = Message(kScheduleWeekly, "x");
    for (std::string_view w : {"", "星期", "星期八", "周一", "Monday"}) {
        weekly.weekdayText = Gb(w);
        EXPECT_EQ(BuildTaskRecord(weekly).problem, AddTaskProblem::BadWeekday) << w;
    }
    // The weekday is read only for weekly tasks, the date only for date tasks.
    AddTaskChoices daily = Message(kScheduleDaily, "x");
    daily.weekdayText = "junk";
    daily.monthText = "junk";
    EXPECT_EQ(Record(daily), "1110,30_|x");

    AddTaskChoices program = Message(kScheduleDaily, "x");
    program.action = kActionProgram;
    EXPECT_EQ(BuildTaskRecord(program).problem, AddTaskProblem::NoProgram);
    EXPECT_FALSE(ProblemText(AddTaskProblem::NoProgram).empty());
    EXPECT_FALSE(ProblemText(AddTaskProblem::BadDate).empty());
    EXPECT_FALSE(ProblemText(AddTaskProblem::BadWeekday).empty());
}

TEST(AddTaskRecordTest, WeekdayIsTheWholeCharacterAtBytesFourAndFive) {
    // "ab" + "星期五": bytes 4 and 5 are the halves of two characters, not 五.
    EXPECT_EQ(WeekdayDigit("ab" + Gb("星期五")), std::nullopt);
    // Four single bytes before a whole character still name it.
    EXPECT_EQ(WeekdayDigit("abcd" + Gb("五")), 6);
    // Only the first nine bytes count, as the combo text is read.
    EXPECT_EQ(WeekdayDigit(Gb("星期三") + "tail"), 4);
}

TEST(AddTaskSpinTest, StepsWrapAtBothEnds) {
    EXPECT_EQ(StepSpin(23, +1, kHourRange), 0);
    EXPECT_EQ(StepSpin(0, -1, kHourRange), 23);
    EXPECT_EQ(StepSpin(59, +1, kMinuteRange), 0);
    EXPECT_EQ(StepSpin(0, -1, kMinuteRange), 59);
    EXPECT_EQ(StepSpin(10, +1, kHourRange), 11);
    EXPECT_EQ(StepSpin(30, -1, kMinuteRange), 29);
    EXPECT_EQ(StepSpin(75, 0, kMinuteRange), 15);  // out-of-range positions fold back in
}

TEST(AddTaskSpinTest, OnlyPlainNumbersWithinTheRangeArePositions) {
    EXPECT_EQ(SpinPositionFromText("0", kMinuteRange), 0);
    EXPECT_EQ(SpinPositionFromText("59", kMinuteRange), 59);
    EXPECT_EQ(SpinPositionFromText("05", kMinuteRange), 5);
    EXPECT_EQ(SpinPositionFromText("23", kHourRange), 23);
    for (std::string_view bad :
         {"", "60", "75", "-1", " 5", "5 ", "1,0", "x", "99999999999999999999"}) {
        EXPECT_EQ(SpinPositionFromText(bad, kMinuteRange), std::nullopt) << bad;
    }
    EXPECT_EQ(SpinPositionFromText("24", kHourRange), std::nullopt);
}

TEST(AddTaskProgramPathTest, PathsWithTheFieldSeparatorAreRefused) {
    EXPECT_EQ(ProgramPathRefusal("/opt/a|b/run"), kPathHasBar);
    EXPECT_EQ(ProgramPathRefusal("/usr/bin/xclock"), std::nullopt);
    EXPECT_EQ(ProgramPathRefusal("/opt/\x80/run"), kPathNotGb);  // the euro sign
    // A two-byte character whose second byte is 0x7C is no separator.
    EXPECT_EQ(ProgramPathRefusal("/home/\x81\x7c/run"), std::nullopt);
}

}  // namespace
}  // namespace tocklet
