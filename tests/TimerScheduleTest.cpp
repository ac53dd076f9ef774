// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/TimerSchedule.h"

namespace tocklet {
namespace {

// A deterministic stand-in for the event loop's lateness.
class Lateness {
public:
    explicit Lateness(std::uint32_t seed, bool longStalls) : state_(seed), long_(longStalls) {}
    std::int64_t Next() {
        state_ = state_ * 1664525u + 1013904223u;
        std::uint32_t r = state_ >> 8;
        switch (r % 16) {
            case 0:
                return -static_cast<std::int64_t>(r % 20) - 1;  // a little early
            case 1:
                return 900 + r % 300;  // about a tick late
            case 2:
                return 1500 + r % 5000;  // several ticks late
            case 3:
                return long_ ? 130000 + r % 400000 : r % 50;  // suspended or clock moved
            default:
                return r % 50;
        }
    }

private:
    std::uint32_t state_;
    bool long_;
};

struct Delivery {
    std::int64_t atMs;
    TickSeconds seconds;
};

// Drives a schedule as the single-shot timer would: each wake comes delayMs after the last,
// give or take the lateness.
std::vector<Delivery> Simulate(std::int64_t interval, std::int64_t startMs, Lateness lateness,
                               int wakes) {
    std::vector<Delivery> out;
    AlignedSchedule s = StartAligned(interval, startMs);
    std::int64_t now = startMs;
    std::int64_t delay = DelayToNextTick(s, startMs);
    for (int i = 0; i < wakes; ++i) {
        now += std::max<std::int64_t>(delay + lateness.Next(), 0);
        AlignedWake w = OnAlignedWake(s, now);
        EXPECT_GT(w.delayMs, 0);
        // The next wake is aimed at the boundary after the next due second begins.
        EXPECT_EQ(now + w.delayMs, s.nextDueSecond * 1000 + kAlignOffsetMs);
        if (w.deliver) out.push_back({now, w.seconds});
        delay = w.delayMs;
    }
    return out;
}

TEST(TimerSchedule, FirstTickComesJustAfterTheNextBoundary) {
    const std::int64_t base = 1'780'000'000'000;
    for (std::int64_t ms = 0; ms < 1000; ++ms) {
        AlignedSchedule s = StartAligned(1, base + ms);
        EXPECT_EQ(s.nextDueSecond, base / 1000 + 1);
        EXPECT_EQ(DelayToNextTick(s, base + ms), 1000 - ms + kAlignOffsetMs);
    }
    AlignedSchedule minute = StartAligned(60, base + 15);
    EXPECT_EQ(minute.nextDueSecond, base / 1000 + 60);
}

TEST(TimerSchedule, OnTimeTicksDeliverEverySecondOnceJustAfterItsBoundary) {
    const std::int64_t base = 1'780'000'000'000;
    AlignedSchedule s = StartAligned(1, base + 400);
    std::int64_t now = base + 400 + DelayToNextTick(s, base + 400);
    for (std::int64_t second = base / 1000 + 1; second < base / 1000 + 5000; ++second) {
        ASSERT_EQ(now, second * 1000 + kAlignOffsetMs);
        AlignedWake w = OnAlignedWake(s, now);
        ASSERT_TRUE(w.deliver);
        ASSERT_EQ(w.seconds.first, second);
        ASSERT_EQ(w.seconds.count, 1);
        ASSERT_EQ(w.delayMs, 1000);
        now += w.delayMs;
    }
}

TEST(TimerSchedule, AnyLatenessDeliversEachDueSecondExactlyOnceInOrder) {
    const std::int64_t base = 1'780'000'000'000;
    for (std::int64_t interval : {1, 2, 5, 60}) {
        for (std::int64_t startMs = 0; startMs < 1000; startMs += 7) {
            auto deliveries = Simulate(interval, base + startMs,
                                       Lateness(static_cast<std::uint32_t>(startMs), false),
                                       interval == 60 ? 200 : 600);
            ASSERT_FALSE(deliveries.empty());
            std::int64_t expected = (base + startMs) / 1000 + interval;
            for (const auto& d : deliveries) {
                ASSERT_EQ(d.seconds.step, interval);
                ASSERT_GE(d.seconds.count, 1);
                ASSERT_LE(d.seconds.count, std::max<std::int64_t>(kCatchUpSeconds / interval, 1));
                for (std::int64_t i = 0; i < d.seconds.count; ++i) {
                    ASSERT_EQ(d.seconds.At(i), expected) << "interval " << interval;
                    ASSERT_LE(d.seconds.At(i) * 1000, d.atMs) << "delivered before it began";
                    expected += interval;
                }
                // Nothing due is held back: the next due second has not begun yet.
                ASSERT_GT(expected * 1000, d.atMs);
            }
        }
    }
}

TEST(TimerSchedule, LongStallsDropOnlySecondsOlderThanTheCatchUpWindow) {
    const std::int64_t base = 1'780'000'000'000;
    for (std::int64_t interval : {1, 60}) {
        for (std::uint32_t seed = 1; seed < 40; ++seed) {
            auto deliveries = Simulate(interval, base + seed * 13, Lateness(seed, true), 300);
            std::int64_t previous = INT64_MIN;
            for (const auto& d : deliveries) {
                std::int64_t last = d.seconds.At(d.seconds.count - 1);
                ASSERT_GT(d.seconds.first, previous);
                ASSERT_LE(last * 1000, d.atMs);
                ASSERT_GT((last + interval) * 1000, d.atMs) << "the latest due second is covered";
                if (previous != INT64_MIN && d.seconds.first != previous + interval) {
                    // A gap only where the window was full.
                    ASSERT_EQ(d.seconds.count,
                              std::max<std::int64_t>(kCatchUpSeconds / interval, 1));
                }
                previous = last;
            }
        }
    }
}

TEST(TimerSchedule, BlockedLoopIsCaughtUpInOneTick) {
    AlignedSchedule s{1, 1000};
    AlignedWake w = OnAlignedWake(s, 1004 * 1000 + 300);
    ASSERT_TRUE(w.deliver);
    EXPECT_EQ(w.seconds.first, 1000);
    EXPECT_EQ(w.seconds.count, 5);
    EXPECT_EQ(s.nextDueSecond, 1005);
    EXPECT_EQ(w.delayMs, 715);

    AlignedSchedule minute{60, 6000};
    w = OnAlignedWake(minute, 6070 * 1000);
    ASSERT_TRUE(w.deliver);
    EXPECT_EQ(w.seconds.first, 6000);
    EXPECT_EQ(w.seconds.count, 2);
    EXPECT_EQ(w.seconds.At(1), 6060);
    EXPECT_EQ(minute.nextDueSecond, 6120);
}

TEST(TimerSchedule, CatchUpReachesBackOnlyOverItsWindow) {
    AlignedSchedule s{1, 1000};
    AlignedWake w = OnAlignedWake(s, (1000 + 3600) * 1000 + 20);  // an hour asleep
    ASSERT_TRUE(w.deliver);
    EXPECT_EQ(w.seconds.count, kCatchUpSeconds);
    EXPECT_EQ(w.seconds.At(w.seconds.count - 1), 4600);
    EXPECT_EQ(s.nextDueSecond, 4601);

    AlignedSchedule minute{60, 6000};
    w = OnAlignedWake(minute, 6250 * 1000);
    ASSERT_TRUE(w.deliver);
    EXPECT_EQ(w.seconds.first, 6180);
    EXPECT_EQ(w.seconds.count, kCatchUpSeconds / 60);
    EXPECT_EQ(minute.nextDueSecond, 6300);
}

TEST(TimerSchedule, EarlyWakeOnlyReArms) {
    AlignedSchedule s{1, 1000};
    AlignedWake w = OnAlignedWake(s, 999 * 1000 + 995);
    EXPECT_FALSE(w.deliver);
    EXPECT_EQ(w.delayMs, 5 + kAlignOffsetMs);
    EXPECT_EQ(s.nextDueSecond, 1000);
    // Exactly on the boundary counts as inside the second.
    w = OnAlignedWake(s, 1000 * 1000);
    EXPECT_TRUE(w.deliver);
    EXPECT_EQ(w.seconds.first, 1000);
}

TEST(TimerSchedule, SmallStepBackNeverRepeatsASecond) {
    AlignedSchedule s{1, 1001};                          // second 1000 was delivered
    AlignedWake w = OnAlignedWake(s, 999 * 1000 + 600);  // the clock stepped back 1.4 s
    EXPECT_FALSE(w.deliver);
    EXPECT_EQ(s.nextDueSecond, 1001);
}

TEST(TimerSchedule, ClockSetBackRestartsOnTheOldPhase) {
    AlignedSchedule s{1, 5000};
    AlignedWake w = OnAlignedWake(s, 1200 * 1000 + 40);
    ASSERT_TRUE(w.deliver);
    EXPECT_EQ(w.seconds.first, 1200);
    EXPECT_EQ(w.seconds.count, 1);
    EXPECT_EQ(s.nextDueSecond, 1201);

    AlignedSchedule minute{60, 6000};  // due at whole minutes
    w = OnAlignedWake(minute, 5000 * 1000 + 500);
    ASSERT_TRUE(w.deliver);
    EXPECT_EQ(w.seconds.first, 4980);
    EXPECT_EQ(minute.nextDueSecond, 5040);
}

TEST(TimerSchedule, SleepingScheduleWakesOnceAtItsSecondAndCatchesUpFromThere) {
    struct Case {
        const char* what;
        std::int64_t interval, sleepUntil, wakeAtMs;
        bool deliver;
        std::int64_t first, count, nextDue;
    };
    // Due next at second 1001 (the last tick served second 1000).
    const Case cases[] = {
        {"on time", 1, 1600, 1'600'015, true, 1600, 1, 1601},
        {"early: still asleep", 1, 1600, 1'300'000, false, 0, 0, 1001},
        {"late by three seconds", 1, 1600, 1'603'020, true, 1600, 4, 1604},
        {"far past it: the catch-up window only", 1, 1600, 2'000'015, true,
         2000 - kCatchUpSeconds + 1, kCatchUpSeconds, 2001},
        {"set back below the served seconds", 1, 1600, 900'500, true, 900, 1, 901},
        {"a wake before the next due second keeps every second", 1, 5, 1'001'015, true, 1001, 1,
         1002},
        {"a minute grid rounds up to it", 60, 1630, 1'681'015, true, 1681, 1, 1741},
    };
    for (const Case& c : cases) {
        AlignedSchedule s{c.interval, c.interval == 1 ? 1001 : 1021};
        SleepUntil(s, c.sleepUntil);
        const AlignedWake w = OnAlignedWake(s, c.wakeAtMs);
        EXPECT_EQ(w.deliver, c.deliver) << c.what;
        if (c.deliver) {
            EXPECT_EQ(w.seconds.first, c.first) << c.what;
            EXPECT_EQ(w.seconds.count, c.count) << c.what;
        }
        EXPECT_EQ(s.nextDueSecond, c.nextDue) << c.what;
        EXPECT_GE(w.delayMs, 0) << c.what;
    }
}

TEST(TimerSchedule, SleepUntilArmsForTheWakeSecond) {
    AlignedSchedule s{1, 1001};
    SleepUntil(s, 1600);
    EXPECT_EQ(DelayToNextTick(s, 1'000'500), 599'515);
    SleepUntil(s, 0);  // every second again
    EXPECT_EQ(DelayToNextTick(s, 1'000'500), 515);
}

TEST(TimerSchedule, ResumeDropsTheSecondsThatPassedAsleep) {
    // A power-off second (1500) fell inside the sleep: nothing before the resume is served.
    AlignedSchedule s{1, 1001};
    SleepUntil(s, 1500);
    SkipToNow(s, 8'200'400);
    AlignedWake w = OnAlignedWake(s, 8'200'400);
    EXPECT_FALSE(w.deliver);
    w = OnAlignedWake(s, 8'201'015);
    ASSERT_TRUE(w.deliver);
    EXPECT_EQ(w.seconds.first, 8201);
    EXPECT_EQ(w.seconds.count, 1);

    // The minute grid keeps its phase.
    AlignedSchedule minute{60, 1020};
    SkipToNow(minute, 8'200'400);
    EXPECT_EQ(minute.nextDueSecond, 8220);
    // A wake still ahead stays.
    AlignedSchedule ahead{1, 1001};
    SleepUntil(ahead, 9000);
    SkipToNow(ahead, 8'200'400);
    EXPECT_EQ(DelayToNextTick(ahead, 8'200'400), 799'615);
}

TEST(TimerSchedule, TimesBeforeTheEpochRoundDown) {
    AlignedSchedule s = StartAligned(1, -1500);
    EXPECT_EQ(s.nextDueSecond, -1);
    EXPECT_EQ(DelayToNextTick(s, -1500), 500 + kAlignOffsetMs);
}

TEST(TimerSchedule, OnlyPositiveWholeSecondsAreAligned) {
    EXPECT_TRUE(IsWholeSeconds(1000));
    EXPECT_TRUE(IsWholeSeconds(60000));
    EXPECT_FALSE(IsWholeSeconds(800));
    EXPECT_FALSE(IsWholeSeconds(1500));
    EXPECT_FALSE(IsWholeSeconds(0));
}

}  // namespace
}  // namespace tocklet
