// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <string>

#include "store/Text.h"
#include "tasks/ReminderLines.h"

namespace tocklet {
namespace {

// n distinct two-byte characters (each 2 bytes in code page 936).
std::string Chinese(int n) {
    static const std::string pool =
        Gb("一二三四五六七八九十甲乙丙丁戊己庚辛壬癸子丑寅卯辰巳午未申酉戌亥天地");
    std::string out;
    for (int i = 0; i < n; ++i) out += pool.substr(static_cast<std::size_t>(i % 34) * 2, 2);
    return out;
}

TEST(ReminderLines, ShortTextFillsTheFirstLineOnly) {
    auto lines = SplitReminderLines("0123456789");
    EXPECT_EQ(lines[0], "0123456789");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "");
}

TEST(ReminderLines, EmptyTextLeavesAllLinesEmpty) {
    for (const auto& line : SplitReminderLines("")) EXPECT_EQ(line, "");
}

TEST(ReminderLines, SingleByteTextBreaksAfterThirtyBytes) {
    std::string text(31, 'a');
    text[29] = 'y';
    text[30] = 'z';
    auto lines = SplitReminderLines(text);
    EXPECT_EQ(lines[0], text.substr(0, 30));
    EXPECT_EQ(lines[1], "z");
    EXPECT_EQ(lines[2], "");
}

TEST(ReminderLines, ThirtyThreeChineseCharactersGiveFifteenFifteenThree) {
    std::string text = Chinese(33);
    ASSERT_EQ(text.size(), 66u);
    auto lines = SplitReminderLines(text);
    EXPECT_EQ(lines[0], text.substr(0, 30));
    EXPECT_EQ(lines[1], text.substr(30, 30));
    EXPECT_EQ(lines[2], text.substr(60, 6));
    EXPECT_EQ(lines[3], "");
}

TEST(ReminderLines, TwoByteCharacterThatWouldMakeThirtyOneBytesStartsTheNextLine) {
    std::string text = " " + Chinese(20);
    auto lines = SplitReminderLines(text);
    EXPECT_EQ(lines[0].size(), 29u);
    EXPECT_EQ(lines[0], text.substr(0, 29));
    EXPECT_EQ(lines[1].substr(0, 2), Chinese(15).substr(28, 2));  // the 15th character
    EXPECT_EQ(lines[1], text.substr(29));
}

TEST(ReminderLines, PunctuationStaysInPlace) {
    std::string text = Gb("开会,带上报告。") + "a.b,c";
    auto lines = SplitReminderLines(text);
    EXPECT_EQ(lines[0], text);
    EXPECT_EQ(lines[1], "");
}

TEST(ReminderLines, TextBeyondFourLinesIsCut) {
    std::string text;
    for (int i = 0; i < 130; ++i) text += static_cast<char>('a' + i % 26);
    auto lines = SplitReminderLines(text);
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(lines[i], text.substr(i * 30, 30)) << i;

    // Mixed: every line is 29 bytes, so four lines show 116 bytes and the rest is cut.
    std::string mixed = " " + Chinese(80);
    auto cut = SplitReminderLines(mixed);
    EXPECT_EQ(cut[0].size(), 29u);
    EXPECT_EQ(cut[1].size(), 30u);
    EXPECT_EQ(cut[2].size(), 30u);
    EXPECT_EQ(cut[3].size(), 30u);
    EXPECT_EQ(cut[0] + cut[1] + cut[2] + cut[3], mixed.substr(0, 119));
}

TEST(ReminderLines, LoneLeadByteAtTheEndCountsAsOneByte) {
    std::string text = std::string(29, 'a') + "\xB0";
    auto lines = SplitReminderLines(text);
    EXPECT_EQ(lines[0], text);
    EXPECT_EQ(lines[1], "");
}

}  // namespace
}  // namespace tocklet
