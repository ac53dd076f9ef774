// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The timers on Qt's event loop with a wall clock the test sets: where its seconds fall is the
// test's choice, so nothing depends on the machine's clock or on how fast the loop runs. Where
// a check needs "the loop went on long enough", a precise single shot armed after a timer's
// wake proves it: Qt fires expired timers in the order of their deadlines.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>
#include <QtTest/QTest>
#include <vector>

#include "fakes/FakeClock.h"
#include "platform/QtTimers.h"
#include "platform/TimerSchedule.h"

namespace tocklet {
namespace {

struct Seen {
    int id;
    int depth;  ///< nested loops open when the tick arrived
    TickSeconds seconds;
    std::int64_t clockMs;  ///< the wall clock when it arrived
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

// Calls what after ms, on a precise timer: it fires after every timer due before it.
template <class What>
void After(int ms, const QObject& context, What what) {
    QTimer::singleShot(ms, Qt::PreciseTimer, &context, what);
}

TEST(QtTimers, TicksOfTheSameAndOtherTimersArriveInsideANestedLoop) {
    testing::FakeClock clock;
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

// Where the clock goes after each tick of a one-second timer, seconds since the epoch in ms.
// Late in a second, the next tick is due 25 ms later; a jump of three seconds is a loop held
// up; a place just before the next boundary makes the timer's wake come early.
struct Step {
    std::int64_t clockAfterMs;
    TickSeconds expected;  ///< what the tick covers
};
const Step kSteps[] = {
    {102'990, {101, 1, 1}},  // its first tick opens a nested loop; the others come inside it
    {105'990, {102, 1, 1}},  // held up until late in 105
    {105'995, {103, 3, 1}},  // 103 to 105 in one tick; then the clock stays before 106
    {106'995, {106, 1, 1}},  // once a wake has come early, the test moves the clock to 106.000
};

TEST(QtTimers, SecondTimerCoversEachWallSecondOnceEvenInsideANestedLoop) {
    QObject context;
    testing::FakeClock clock;
    clock.SetMs(101'000 - kAlignOffsetMs);  // the first tick is aimed 2 x 15 ms from now
    std::vector<Seen> seen;
    int depth = 0;
    bool firstTickAtTheBoundary = false, heldUntilTheSecondBegan = false;
    QtTimers timers(clock);
    timers.SetHandler([&](int id, const TickSeconds& s) {
        seen.push_back({id, depth, s, EpochMs(clock.Now())});
        if (seen.size() > std::size(kSteps)) return;
        clock.SetMs(kSteps[seen.size() - 1].clockAfterMs);
        if (seen.size() == 3) {
            // The timer's next wake was armed before this handler ran, 25 ms from the clock it
            // read; this single shot comes after it, and no tick may have come in between.
            After(40, context, [&] {
                heldUntilTheSecondBegan = seen.size() == 3;
                clock.SetMs(106'000);
            });
        }
        if (seen.size() == 1) {
            ++depth;
            RunNested([&] { return seen.size() >= std::size(kSteps); });
            --depth;
        }
    });
    timers.Set(1, 1000);
    clock.SetMs(101'990);
    After(3 * kAlignOffsetMs, context, [&] { firstTickAtTheBoundary = !seen.empty(); });
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return seen.size() >= std::size(kSteps) && depth == 0; }, 20000));
    timers.Kill(1);

    EXPECT_TRUE(firstTickAtTheBoundary) << "aimed just after the next boundary, not a second on";
    EXPECT_TRUE(heldUntilTheSecondBegan) << "a wake before the due second delivers nothing";
    ASSERT_EQ(seen.size(), std::size(kSteps));
    std::int64_t expected = 101;
    for (std::size_t i = 0; i < seen.size(); ++i) {
        const Seen& x = seen[i];
        EXPECT_EQ(x.seconds.first, kSteps[i].expected.first) << "tick " << i;
        EXPECT_EQ(x.seconds.count, kSteps[i].expected.count) << "tick " << i;
        EXPECT_EQ(x.seconds.step, 1);
        EXPECT_EQ(x.depth > 0, i > 0) << "tick " << i << " inside the first tick's loop";
        for (std::int64_t k = 0; k < x.seconds.count; ++k) {
            EXPECT_EQ(x.seconds.At(k), expected++) << "no second skipped or repeated";
            EXPECT_LE(x.seconds.At(k) * 1000, x.clockMs) << "never before the second began";
        }
    }
    EXPECT_EQ(seen.back().clockMs, 106'000) << "delivered as soon as its second began";
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

TEST(QtTimers, SleepingTimerWakesAtOnceWhenTheClockIsSetOrTheMachineResumes) {
    testing::FakeClock clock;
    clock.SetMs(100'500);
    std::vector<TickSeconds> ticks;
    QtTimers timers(clock, [&](int, const TickSeconds& s) { ticks.push_back(s); });
    timers.Set(1, 1000);
    timers.SleepUntil(1, 4000);  // an hour away on the real timer
    // The clock set forward past the wake second: the tick comes at once, for that second.
    clock.SetMs(4'000'600);
    timers.ClockSet();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks.size() == 1; }, 10000));
    EXPECT_EQ(ticks[0].first, 4000);
    EXPECT_EQ(ticks[0].count, 1);
    // Asleep again until 5000; the machine sleeps past it: the resume drops those seconds
    // and the next tick is for the first second after the resume.
    timers.SleepUntil(1, 5000);
    clock.SetMs(9'000'990);
    timers.Resumed();
    clock.SetMs(9'001'020);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks.size() == 2; }, 10000));
    EXPECT_EQ(ticks[1].first, 9001);
    EXPECT_EQ(ticks[1].count, 1);
    timers.Kill(1);
}

TEST(QtTimers, KillInsideItsOwnTickStopsIt) {
    testing::FakeClock clock;
    int fired = 0, later = 0;
    QtTimers timers(clock);
    timers.SetHandler([&](int id, const TickSeconds&) {
        if (id == 5) {
            ++later;
            return;
        }
        ++fired;
        timers.Kill(id);
    });
    timers.Set(4, 20);
    ASSERT_TRUE(QTest::qWaitFor([&] { return fired > 0; }, 10000));
    // Timer 4 was re-armed for 20 ms before its handler killed it; a 20 ms timer set now is
    // due after that, so once it has ticked, a tick of timer 4 would have come first.
    timers.Set(5, 20);
    ASSERT_TRUE(QTest::qWaitFor([&] { return later > 0; }, 10000));
    timers.Kill(5);
    EXPECT_EQ(fired, 1);
}

TEST(QtTimers, SetAgainRestartsWithTheNewInterval) {
    testing::FakeClock clock;
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
