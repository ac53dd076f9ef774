// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>
#include <QtTest/QTest>
#include <vector>

#include "fakes/FakeClock.h"
#include "platform/QtTimers.h"

namespace tocklet {
namespace {

struct Seen {
    int id;
    int depth;  ///< nested loops open when the tick arrived
    TickSeconds seconds;
    std::int64_t atMs;
};

// Opens a nested loop, as a modal dialog does, until done() or a generous limit.
template <class Done>
void RunNested(Done done) {
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (done()) loop.quit();
    });
    poll.start();
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    loop.exec();
}

TEST(QtTimers, TicksOfTheSameAndOtherTimersArriveInsideANestedLoop) {
    SystemClock clock;
    std::vector<Seen> seen;
    int depth = 0;
    bool nestedDone = false;
    QtTimers timers(clock);
    timers.SetHandler([&](int id, const TickSeconds& s) {
        seen.push_back({id, depth, s, EpochMs(clock.Now())});
        if (id == 7 && !nestedDone && depth == 0) {
            ++depth;
            auto count = [&](int which) {
                int n = 0;
                for (const auto& x : seen) n += x.id == which && x.depth > 0;
                return n;
            };
            RunNested([&] { return count(7) >= 3 && count(8) >= 3; });
            --depth;
            nestedDone = true;
        }
    });
    timers.Set(7, 50);
    timers.Set(8, 30);
    ASSERT_TRUE(QTest::qWaitFor([&] { return nestedDone; }, 20000));
    timers.Kill(7);
    timers.Kill(8);
    int nested7 = 0, nested8 = 0;
    for (const auto& x : seen) {
        nested7 += x.id == 7 && x.depth > 0;
        nested8 += x.id == 8 && x.depth > 0;
        EXPECT_EQ(x.seconds.count, 0) << "plain intervals cover no seconds";
    }
    EXPECT_GE(nested7, 3);
    EXPECT_GE(nested8, 3);
}

TEST(QtTimers, SecondTimerCoversEachWallSecondOnceEvenInsideANestedLoop) {
    SystemClock clock;
    std::vector<Seen> seen;
    int depth = 0;
    QtTimers timers(clock);
    timers.SetHandler([&](int id, const TickSeconds& s) {
        seen.push_back({id, depth, s, EpochMs(clock.Now())});
        if (seen.size() == 1) {
            ++depth;
            RunNested([&] { return seen.size() >= 3; });
            --depth;
        }
    });
    timers.Set(1, 1000);
    ASSERT_TRUE(QTest::qWaitFor([&] { return seen.size() >= 4; }, 20000));
    timers.Kill(1);
    ASSERT_GE(seen.size(), 4u);
    EXPECT_GT(seen[1].depth, 0) << "the second tick came inside the first tick's loop";
    std::int64_t expected = seen[0].seconds.first;
    bool someTickEarlyInItsSecond = false;
    for (const auto& x : seen) {
        EXPECT_EQ(x.seconds.step, 1);
        for (std::int64_t i = 0; i < x.seconds.count; ++i) {
            EXPECT_EQ(x.seconds.At(i), expected++) << "no second skipped or repeated";
            EXPECT_LE(x.seconds.At(i) * 1000, x.atMs) << "never before the second began";
        }
        someTickEarlyInItsSecond |= x.atMs % 1000 < 500;
    }
    EXPECT_TRUE(someTickEarlyInItsSecond) << "ticks aim just after the second boundary";
}

TEST(QtTimers, FollowsTheClockItIsGiven) {
    testing::FakeClock clock;
    clock.SetMs(100'985);
    std::vector<TickSeconds> ticks;
    QtTimers timers(clock, [&](int, const TickSeconds& s) { ticks.push_back(s); });
    timers.Set(1, 1000);  // aimed at 101.015, 30 ms from now
    clock.SetMs(101'020);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks.size() == 1; }, 10000));
    EXPECT_EQ(ticks[0].first, 101);
    EXPECT_EQ(ticks[0].count, 1);
    // The loop was held up: the next wake covers both seconds that began meanwhile.
    clock.SetMs(103'500);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks.size() == 2; }, 10000));
    EXPECT_EQ(ticks[1].first, 102);
    EXPECT_EQ(ticks[1].count, 2);
    timers.Kill(1);
}

TEST(QtTimers, KillInsideItsOwnTickStopsIt) {
    SystemClock clock;
    int fired = 0;
    QtTimers timers(clock);
    timers.SetHandler([&](int id, const TickSeconds&) {
        ++fired;
        timers.Kill(id);
    });
    timers.Set(4, 20);
    ASSERT_TRUE(QTest::qWaitFor([&] { return fired > 0; }, 10000));
    QTest::qWait(200);
    EXPECT_EQ(fired, 1);
}

TEST(QtTimers, SetAgainRestartsWithTheNewInterval) {
    SystemClock clock;
    std::vector<int> fired;
    QtTimers timers(clock, [&](int id, const TickSeconds&) { fired.push_back(id); });
    timers.Set(9, 20);
    timers.Set(9, 3'600'000);
    timers.Set(10, 30);
    ASSERT_TRUE(QTest::qWaitFor([&] { return fired.size() >= 3; }, 10000));
    timers.Kill(10);
    for (int id : fired) EXPECT_EQ(id, 10);
    timers.Kill(9);
    timers.Kill(42);  // never set: nothing happens
}

}  // namespace
}  // namespace tocklet
