// The preset time read from its text, and the countdowns and postponements a run sees over two
// days when every countdown is cancelled.
#include <gtest/gtest.h>

#include <vector>

#include "shutdown/ShutdownCheck.h"

namespace tocklet {
namespace {

TEST(ShutdownTime, PartsReadLikeAtoi) {
    EXPECT_EQ(SplitShutdownTime("-1:-1:-1"), (ShutdownTime{-1, -1, -1}));
    EXPECT_EQ(SplitShutdownTime("8:x"), (ShutdownTime{8, 0, 0}));
    EXPECT_EQ(SplitShutdownTime(""), (ShutdownTime{0, 0, 0}));
}

struct RunCase {
    ShutdownTime start;
    int delay, repeat;
    std::vector<std::string> countdowns;  // "day hh:mm:ss" of each countdown
    std::vector<std::string> shown;       // the time shown after each postponement
};

TEST(ShutdownCheck, CancelledCountdownsComeBackAsTheOptionsSay) {
    const std::vector<RunCase> runs = {
        {{22, 0, 0},
         10,
         2,
         {"1 22:00:00", "1 22:10:00", "1 22:20:00", "1 22:30:00", "2 22:30:00"},
         {"22:10:0", "22:20:0", "22:30:0"}},
        {{22, 0, 0}, 0, 3, {"1 22:00:00", "2 22:00:00"}, {"22:0:0", "22:0:0"}},
        {{22, 0, 0}, 15, 0, {"1 22:00:00", "1 22:15:00", "2 22:15:00"}, {"22:15:0"}},
        // A minute past 59 carries into the hour, and past 23 into the next day's hour.
        {{22, 55, 0}, 10, 0, {"1 22:55:00", "1 23:05:00", "2 23:05:00"}, {"23:5:0"}},
        {{23, 55, 0}, 10, 0, {"1 23:55:00", "2 00:05:00"}, {"0:5:0"}},
        {{-1, -1, -1}, 10, 5, {}, {}},
    };
    for (const RunCase& run : runs) {
        ShutdownCheck check;
        check.SetTime(run.start);
        std::vector<std::string> countdowns, shown;
        for (int s = 0; s < 2 * 86400; ++s) {
            std::tm now{};
            now.tm_mday = 1 + s / 86400;
            now.tm_hour = s / 3600 % 24;
            now.tm_min = s / 60 % 60;
            now.tm_sec = s % 60;
            if (!check.IsDue(now)) continue;
            char at[16];
            std::strftime(at, sizeof at, "%e %H:%M:%S", &now);
            countdowns.push_back(at + (at[0] == ' ' ? 1 : 0));
            {
                const CountdownScope open = check.OpenCountdown();
                EXPECT_FALSE(check.IsDue(now)) << "a second countdown over the first";
            }
            if (check.AfterCountdown(run.delay, run.repeat)) {
                shown.push_back(FormatShutdownTime(check.Time()));
            }
        }
        EXPECT_EQ(countdowns, run.countdowns) << FormatShutdownTime(run.start);
        EXPECT_EQ(shown, run.shown) << FormatShutdownTime(run.start);
        EXPECT_EQ(check.Repeats(), static_cast<int>(run.countdowns.size()));
    }
}

}  // namespace
}  // namespace tocklet
