// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include "store/Text.h"
#include "tasks/TaskRecord.h"

namespace tocklet {
namespace {

TEST(TaskRecordFormat, WritesTheStoredForm) {
    EXPECT_EQ(FormatTaskRecord(kActionMessage, kScheduleDaily, 10, 30, 0, 0, 0, Gb("开会")),
              "1110,30_|" + Gb("开会"));
    EXPECT_EQ(FormatTaskRecord(kActionMessage, kScheduleDate, 8, 5, 12, 25, 0, "Merry"),
              "128,5_12.25|Merry");
    EXPECT_EQ(
        FormatTaskRecord(kActionProgram, kScheduleWeekly, 22, 0, 0, 0, 6, "C:\\Tools\\backup.exe"),
        "0322,0_6|C:\\Tools\\backup.exe");
    // No leading zeros: 9:05 is "9,5"; unused date fields leave no trace.
    EXPECT_EQ(FormatTaskRecord(kActionMessage, kScheduleDaily, 9, 5, 7, 7, 7, "x"), "119,5_|x");
    EXPECT_EQ(FormatTaskRecord(kActionMessage, kScheduleDate, 0, 0, 1, 1, 0, ""), "120,0_1.1|");
}

TEST(TaskRecordParse, ReadsTheExamples) {
    ParsedTask p = ParseTaskRecord("1110,30_|" + Gb("开会,下午三点"));
    EXPECT_EQ(p.schedule, kScheduleDaily);
    EXPECT_EQ(p.record.nAction, 1);
    EXPECT_EQ(p.record.nHour, 10);
    EXPECT_EQ(p.record.nMinute, 30);
    EXPECT_EQ(p.record.Target(), Gb("开会,下午三点"));  // the comma stays in the text

    p = ParseTaskRecord("0322,0_6|C:\\Tools\\backup.exe");
    EXPECT_EQ(p.schedule, kScheduleWeekly);
    EXPECT_EQ(p.record.nAction, 0);
    EXPECT_EQ(p.record.nWeekday, 6);
    EXPECT_EQ(p.record.nHour, 22);
    EXPECT_EQ(p.record.nMinute, 0);
    EXPECT_EQ(p.record.Target(), "C:\\Tools\\backup.exe");
    EXPECT_EQ(p.record.nMonth, 0);

    p = ParseTaskRecord("128,5_12.25|");
    EXPECT_EQ(p.schedule, kScheduleDate);
    EXPECT_EQ(p.record.nAction, 1);
    EXPECT_EQ(p.record.nMonth, 12);
    EXPECT_EQ(p.record.nDay, 25);
    EXPECT_EQ(p.record.nHour, 8);
    EXPECT_EQ(p.record.nMinute, 5);
    EXPECT_EQ(p.record.Target(), "");
    EXPECT_EQ(p.record.nWeekday, 0);
}

TEST(TaskRecordParse, TargetKeepsPunctuationAndDropsFurtherBars) {
    ParsedTask p = ParseTaskRecord("1110,30_|a,b.c_d|e||f");
    EXPECT_EQ(p.record.Target(), "a,b.c_def");
}

TEST(TaskRecordParse, SecondBytesAreNeverSeparators) {
    // 0xB1 0x7C, 0x81 0x5F and 0x81 0x2E are two-byte characters ending in "|", "_" and ".".
    const std::string bar = "\xB1\x7C";
    ParsedTask p = ParseTaskRecord("111,2_|" + bar + "x|y\x81\x5F");
    EXPECT_EQ(p.record.Target(), bar + "xy\x81\x5F");

    // A character in the date part whose second byte is "|" does not end it.
    p = ParseTaskRecord("1312,0_5" + bar + "|t");
    EXPECT_EQ(p.record.nWeekday, 5);
    EXPECT_EQ(p.record.Target(), "t");

    p = ParseTaskRecord(
        "128,\x81\x5F"
        "9_1\x81\x2E"
        "2.3|t");
    EXPECT_EQ(p.record.nMinute, 0);  // the minute text starts with a character, not a digit
    EXPECT_EQ(p.record.nMonth, 1);
    EXPECT_EQ(p.record.nDay, 3);
    EXPECT_EQ(p.record.Target(), "t");

    // A two-byte character is no action digit and no schedule character.
    p = ParseTaskRecord(Gb("开") + "110,5_|x");
    EXPECT_EQ(p.record.nAction, -1);
    EXPECT_FALSE(TaskCanFire(p));
    p = ParseTaskRecord("1" + Gb("开") + "10,5_|x");
    EXPECT_EQ(p.schedule, 0);
    EXPECT_EQ(p.record.nHour, 10);
}

TEST(TaskRecordParse, TargetIsCutBetweenCharacters) {
    std::string target = "a";
    for (int i = 0; i < 50; ++i) target += Gb("会");  // 101 bytes
    ParsedTask p = ParseTaskRecord("1110,30_|" + target);
    EXPECT_EQ(p.record.Target().size(), 99u);
    EXPECT_EQ(p.record.Target(), target.substr(0, 99));
    EXPECT_EQ(p.record.szTarget[99], '\0');
}

TEST(TaskRecordParse, HandEditedRecordsNeverFire) {
    EXPECT_TRUE(TaskCanFire(ParseTaskRecord("1110,30_|x")));
    EXPECT_TRUE(TaskCanFire(ParseTaskRecord("0322,0_6|x")));
    EXPECT_FALSE(TaskCanFire(ParseTaskRecord("1410,30_|x")));  // schedule 4
    EXPECT_FALSE(TaskCanFire(ParseTaskRecord("2110,30_|x")));  // action 2
    // A non-digit action is not "start a program".
    ParsedTask p = ParseTaskRecord("x110,30_|rm");
    EXPECT_EQ(p.record.nAction, -1);
    EXPECT_FALSE(TaskCanFire(p));
    EXPECT_FALSE(TaskCanFire(ParseTaskRecord("")));
    EXPECT_FALSE(TaskCanFire(ParseTaskRecord("1")));
    // Missing separators give zeros, never a crash.
    p = ParseTaskRecord("12");
    EXPECT_EQ(p.schedule, kScheduleDate);
    EXPECT_EQ(p.record.nHour + p.record.nMinute + p.record.nMonth + p.record.nDay, 0);
    p = ParseTaskRecord("1117");
    EXPECT_EQ(p.record.nHour, 17);
    EXPECT_EQ(p.record.Target(), "");
}

TEST(TaskRecordParse, StopsAtAZeroByte) {
    const std::string stored("1110,30_|ab\0cd", 14);
    EXPECT_EQ(ParseTaskRecord(stored).record.Target(), "ab");
}

TEST(TaskRecordRoundTrip, EveryTimeAndDateSurvives) {
    for (int h = 0; h < 24; ++h) {
        for (int m = 0; m < 60; m += 7) {
            ParsedTask p = ParseTaskRecord(FormatTaskRecord(kActionMessage, kScheduleDate, h, m,
                                                            h % 12 + 1, m % 31 + 1, 0, Gb("开会")));
            EXPECT_EQ(p.record.nHour, h);
            EXPECT_EQ(p.record.nMinute, m);
            EXPECT_EQ(p.record.nMonth, h % 12 + 1);
            EXPECT_EQ(p.record.nDay, m % 31 + 1);
        }
    }
    for (int w = 1; w <= 7; ++w) {
        EXPECT_EQ(
            ParseTaskRecord(FormatTaskRecord(kActionProgram, kScheduleWeekly, 1, 2, 0, 0, w, "p"))
                .record.nWeekday,
            w);
    }
}

TEST(TaskRecordLimits, NinetyNineBytesFit) {
    EXPECT_TRUE(IsStorableRecord(std::string(99, 'a')));
    EXPECT_FALSE(IsStorableRecord(std::string(100, 'a')));
    EXPECT_FALSE(IsStorableRecord(std::string("11\0", 3)));
}

}  // namespace
}  // namespace tocklet
