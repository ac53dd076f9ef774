// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The next second at which the chime or the power-off has work, on an injected local time.
#include <gtest/gtest.h>

#include <optional>

#include "clock/Chime.h"
#include "fakes/FakeClock.h"
#include "shutdown/ShutdownCheck.h"

namespace tocklet {
namespace {

std::int64_t Utc(int year, int month, int day, int hour, int minute, int second = 0) {
    std::tm tm = testing::CalendarTime(year, month, day, hour, minute, second);
    return static_cast<std::int64_t>(timegm(&tm));
}

// Berlin in 2026: summer time from 29 March 01:00 UTC to 25 October 01:00 UTC.
std::tm Berlin(std::int64_t second) {
    const bool summer = second >= Utc(2026, 3, 29, 1, 0) && second < Utc(2026, 10, 25, 1, 0);
    const std::time_t local = static_cast<std::time_t>(second + (summer ? 7200 : 3600));
    std::tm tm{};
    gmtime_r(&local, &tm);
    return tm;
}

constexpr std::int64_t kDay = 86400;

TEST(NextWake, ChimeWakesAtEachFullHourOnlyWhenItDoesSomething) {
    struct Case {
        bool on, sound, text;
        std::int64_t from;
        std::optional<std::int64_t> next;
    };
    const Case cases[] = {
        {true, true, false, Utc(2026, 12, 8, 9, 59, 59), Utc(2026, 12, 8, 10, 0)},
        {true, false, true, Utc(2026, 12, 8, 10, 0), Utc(2026, 12, 8, 10, 0)},
        {true, true, true, Utc(2026, 12, 8, 10, 0, 1), Utc(2026, 12, 8, 11, 0)},
        {false, true, true, Utc(2026, 12, 8, 10, 0, 1), std::nullopt},
        {true, false, false, Utc(2026, 12, 8, 10, 0, 1), std::nullopt},
        // The night of the spring change: local 02:00 never comes, 03:00 follows 01:00.
        {true, true, false, Utc(2026, 3, 29, 0, 0, 1), Utc(2026, 3, 29, 1, 0)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NextChimeSecond(c.on, c.sound, c.text, c.from, kDay, Berlin), c.next) << c.from;
    }
}

TEST(NextWake, PowerOffWakesAtItsLocalSecond) {
    struct Case {
        ShutdownTime time;
        std::int64_t from;
        std::optional<std::int64_t> next;
    };
    const Case cases[] = {
        // 22:30:15 Berlin is 21:30:15 UTC in winter.
        {{22, 30, 15}, Utc(2026, 12, 8, 12, 0), Utc(2026, 12, 8, 21, 30, 15)},
        {{22, 30, 15}, Utc(2026, 12, 8, 21, 30, 15), Utc(2026, 12, 8, 21, 30, 15)},
        {{22, 30, 15}, Utc(2026, 12, 8, 21, 30, 16), Utc(2026, 12, 9, 21, 30, 15)},
        // Summer: 20:30:15 UTC.
        {{22, 30, 15}, Utc(2026, 7, 1, 0, 0), Utc(2026, 7, 1, 20, 30, 15)},
        // 02:30 does not exist on 29 March; the next is on the 30th, in summer time.
        {{2, 30, 0}, Utc(2026, 3, 29, 0, 0), Utc(2026, 3, 30, 0, 30)},
        // 02:30 comes twice on 25 October: first in summer time, then in winter time.
        {{2, 30, 0}, Utc(2026, 10, 25, 0, 0), Utc(2026, 10, 25, 0, 30)},
        {{2, 30, 0}, Utc(2026, 10, 25, 0, 30, 1), Utc(2026, 10, 25, 1, 30)},
        {{-1, -1, -1}, Utc(2026, 12, 8, 0, 0), std::nullopt},
        {{22, 30, 60}, Utc(2026, 12, 8, 0, 0), std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NextShutdownSecond(c.time, c.from, 2 * kDay, Berlin), c.next) << c.from;
    }
    EXPECT_EQ(NextShutdownSecond({22, 30, 15}, Utc(2026, 12, 8, 12, 0), 3600, Berlin),
              std::nullopt);
}

}  // namespace
}  // namespace tocklet
