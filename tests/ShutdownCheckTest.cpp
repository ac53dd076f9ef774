// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The countdowns and postponements a run sees over two days when every countdown is cancelled.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "shutdown/ShutdownCheck.h"

namespace tocklet {
namespace {

TEST(ShutdownCheck, CancelledCountdownsComeBackAsTheOptionsSay) {
    struct Run {
        ShutdownTime start;
        int delay, repeat;
        std::vector<std::string> countdowns;  // "day hh:mm:ss" of each countdown
        std::vector<std::string> shown;       // the time shown after each postponement
    };
    // clang-format off
    const std::vector<Run> runs = {
        {{22, 0, 0}, 10, 2, {"1 22:00:00", "1 22:10:00", "1 22:20:00", "1 22:30:00", "2 22:30:00"},
         {"22:10:0", "22:20:0", "22:30:0"}},
        {{22, 0, 0}, 0, 3, {"1 22:00:00", "2 22:00:00"}, {"22:0:0", "22:0:0"}},
        {{22, 0, 0}, 15, 0, {"1 22:00:00", "1 22:15:00", "2 22:15:00"}, {"22:15:0"}},
        // A minute past 59 carries into the hour, and past 23 into the next day's hour.
        {{22, 55, 0}, 10, 0, {"1 22:55:00", "1 23:05:00", "2 23:05:00"}, {"23:5:0"}},
        {{23, 55, 0}, 10, 0, {"1 23:55:00", "2 00:05:00"}, {"0:5:0"}},
        {{-1, -1, -1}, 10, 5, {}, {}},
    };
    // clang-format on
    for (const Run& run : runs) {
        ShutdownTime time = run.start;
        int repeats = 0;
        std::vector<std::string> countdowns, shown;
        for (int s = 0; s < 2 * 86400; ++s) {
            std::tm now{};
            std::tie(now.tm_mday, now.tm_hour, now.tm_min, now.tm_sec) =
                std::tuple(1 + s / 86400, s / 3600 % 24, s / 60 % 60, s % 60);
            if (!IsShutdownSecond(time, now)) continue;
            char at[16];
            std::strftime(at, sizeof at, "%e %H:%M:%S", &now);
            countdowns.push_back(at + (at[0] == ' ' ? 1 : 0));
            if (PostponesShutdown(repeats, run.repeat)) {
                time = PostponedShutdownTime(time, run.delay);
                shown.push_back(FormatShutdownTime(time));
            }
            ++repeats;
        }
        EXPECT_EQ(countdowns, run.countdowns) << FormatShutdownTime(run.start);
        EXPECT_EQ(shown, run.shown) << FormatShutdownTime(run.start);
    }
}

}  // namespace
}  // namespace tocklet
