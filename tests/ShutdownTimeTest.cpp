// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <string_view>

#include "settings/ShutdownTime.h"

namespace tocklet {
namespace {

TEST(ShutdownTimeTest, SplitsAtTheColonsAndFormatsWithoutLeadingZeros) {
    struct Case {
        std::string_view text;
        int hour, minute, second;
    };
    for (const Case& c :
         {Case{"21:30:0", 21, 30, 0}, Case{"23:59:59", 23, 59, 59}, Case{"", 0, 0, 0},
          Case{"7", 7, 0, 0}, Case{"7:x:5", 7, 0, 5}, Case{"-1:-1:-1", -1, -1, -1},
          Case{"1:2:3:4", 1, 2, 3}, Case{"8:x", 8, 0, 0}}) {
        const ShutdownTime t = SplitShutdownTime(c.text);
        EXPECT_EQ(t.m_nHour, c.hour) << c.text;
        EXPECT_EQ(t.m_nMinute, c.minute) << c.text;
        EXPECT_EQ(t.m_nSecond, c.second) << c.text;
    }
    EXPECT_EQ(FormatShutdownTime({9, 5, 0}), "9:5:0");
    EXPECT_EQ(FormatShutdownTime(SplitShutdownTime("23:59:59")), "23:59:59");
}

}  // namespace
}  // namespace tocklet
