// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <ctime>

#include "clock/Chime.h"

namespace tocklet {
namespace {

std::tm At(int hour, int minute, int second) {
    std::tm tm{};
    tm.tm_year = 126;
    tm.tm_mon = 5;
    tm.tm_mday = 1;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    return tm;
}

TEST(Chime, HourTextHasExactBytes) {
    // 北京时间 = B1 B1 BE A9 CA B1 BC E4; 点整 = B5 E3 D5 FB.
    EXPECT_EQ(ChimeText(0), "\xB1\xB1\xBE\xA9\xCA\xB1\xBC\xE4 0  \xB5\xE3\xD5\xFB ");
    EXPECT_EQ(ChimeText(21), "\xB1\xB1\xBE\xA9\xCA\xB1\xBC\xE4 21  \xB5\xE3\xD5\xFB ");
    EXPECT_EQ(ChimeText(9), "\xB1\xB1\xBE\xA9\xCA\xB1\xBC\xE4 9  \xB5\xE3\xD5\xFB ");
}

TEST(Chime, CaptionsAndSwitchMessagesHaveExactBytes) {
    EXPECT_EQ(ChimeCaption(), "\xD5\xFB \xB5\xE3 \xCC\xE1 \xD0\xD1");
    EXPECT_EQ(ChimeSwitchCaption(), "\xCA\xD8\xCA\xB1\xC4\xF1\xCF\xF2\xC4\xFA\xCC\xE1\xCA\xBE");
    // 整点报时现在已经启动! / 再次点击关闭此项功能.
    EXPECT_EQ(ChimeSwitchedOnText(),
              "    \xD5\xFB\xB5\xE3\xB1\xA8\xCA\xB1\xCF\xD6\xD4\xDA\xD2\xD1\xBE\xAD\xC6\xF4"
              "\xB6\xAF!\n     \xD4\xD9\xB4\xCE\xB5\xE3\xBB\xF7\xB9\xD8\xB1\xD5\xB4\xCB\xCF"
              "\xEE\xB9\xA6\xC4\xDC.   ");
    // 整点报时现在被关闭! / 再次点击打开此项功能.
    EXPECT_EQ(ChimeSwitchedOffText(),
              "       \xD5\xFB\xB5\xE3\xB1\xA8\xCA\xB1\xCF\xD6\xD4\xDA\xB1\xBB\xB9\xD8\xB1\xD5"
              "!\n      \xD4\xD9\xB4\xCE\xB5\xE3\xBB\xF7\xB4\xF2\xBF\xAA\xB4\xCB\xCF\xEE\xB9"
              "\xA6\xC4\xDC.      ");
}

TEST(Chime, ActsOnlyAtSecondZeroOfMinuteZero) {
    for (int hour : {0, 13, 23}) {
        ChimeDecision d = ChimeActions(true, true, true, At(hour, 0, 0));
        EXPECT_TRUE(d.playSound);
        EXPECT_TRUE(d.showText);
    }
    for (auto [m, s] : {std::pair{0, 1}, {1, 0}, {59, 59}, {30, 0}}) {
        ChimeDecision d = ChimeActions(true, true, true, At(10, m, s));
        EXPECT_FALSE(d.playSound) << m << ":" << s;
        EXPECT_FALSE(d.showText) << m << ":" << s;
    }
}

TEST(Chime, SubordinateFlagsChooseSoundAndMessage) {
    std::tm hour = At(8, 0, 0);
    ChimeDecision soundOnly = ChimeActions(true, true, false, hour);
    EXPECT_TRUE(soundOnly.playSound);
    EXPECT_FALSE(soundOnly.showText);
    ChimeDecision textOnly = ChimeActions(true, false, true, hour);
    EXPECT_FALSE(textOnly.playSound);
    EXPECT_TRUE(textOnly.showText);
    ChimeDecision neither = ChimeActions(true, false, false, hour);
    EXPECT_FALSE(neither.playSound || neither.showText);
    ChimeDecision off = ChimeActions(false, true, true, hour);
    EXPECT_FALSE(off.playSound || off.showText);
}

}  // namespace
}  // namespace tocklet
