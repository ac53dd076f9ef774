// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/TimerSchedule.h"

#include <algorithm>

namespace tocklet {
namespace {

// Division rounding towards minus infinity, for times before 1970 as well.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

std::int64_t CeilDiv(std::int64_t a, std::int64_t b) { return -FloorDiv(-a, b); }

}  // namespace

AlignedSchedule StartAligned(std::int64_t intervalSeconds, std::int64_t nowMs) {
    std::int64_t n = std::max<std::int64_t>(intervalSeconds, 1);
    return {n, FloorDiv(nowMs, 1000) + n};
}

void SleepUntil(AlignedSchedule& schedule, std::int64_t epochSecond) {
    const std::int64_t n = schedule.intervalSeconds;
    const std::int64_t ahead = std::max<std::int64_t>(epochSecond - schedule.nextDueSecond, 0);
    schedule.wakeSecond = schedule.nextDueSecond + CeilDiv(ahead, n) * n;
}

void SkipToNow(AlignedSchedule& schedule, std::int64_t nowMs) {
    const std::int64_t n = schedule.intervalSeconds;
    const std::int64_t nowSecond = FloorDiv(nowMs, 1000);
    if (schedule.nextDueSecond <= nowSecond) {
        schedule.nextDueSecond += (FloorDiv(nowSecond - schedule.nextDueSecond, n) + 1) * n;
    }
    schedule.wakeSecond = std::max(schedule.wakeSecond, schedule.nextDueSecond);
}

std::int64_t DelayToNextTick(const AlignedSchedule& schedule, std::int64_t nowMs) {
    const std::int64_t next = std::max(schedule.nextDueSecond, schedule.wakeSecond);
    return std::max<std::int64_t>(next * 1000 + kAlignOffsetMs - nowMs, 0);
}

AlignedWake OnAlignedWake(AlignedSchedule& schedule, std::int64_t nowMs) {
    const std::int64_t n = schedule.intervalSeconds;
    const std::int64_t nowSecond = FloorDiv(nowMs, 1000);
    if (schedule.wakeSecond > schedule.nextDueSecond) {
        const bool setBack = schedule.nextDueSecond * 1000 - nowMs > n * 1000 + kClockStepBackMs;
        if (!setBack && nowMs < schedule.wakeSecond * 1000) {
            return {false, {}, DelayToNextTick(schedule, nowMs)};  // still asleep
        }
        if (!setBack) schedule.nextDueSecond = schedule.wakeSecond;
    }
    schedule.wakeSecond = kAwake;
    const std::int64_t dueMs = schedule.nextDueSecond * 1000;
    if (dueMs > nowMs) {
        if (dueMs - nowMs <= n * 1000 + kClockStepBackMs) {
            return {false, {}, DelayToNextTick(schedule, nowMs)};  // early: wait for it
        }
        // The clock went back: rejoin the schedule's grid at or before now.
        schedule.nextDueSecond -= CeilDiv(schedule.nextDueSecond - nowSecond, n) * n;
    }
    const std::int64_t latest =
        schedule.nextDueSecond + FloorDiv(nowSecond - schedule.nextDueSecond, n) * n;
    const std::int64_t maxCount = std::max<std::int64_t>(kCatchUpSeconds / n, 1);
    std::int64_t count = (latest - schedule.nextDueSecond) / n + 1;
    count = std::min(count, maxCount);
    AlignedWake wake;
    wake.deliver = true;
    wake.seconds = {latest - (count - 1) * n, count, n};
    schedule.nextDueSecond = latest + n;
    wake.delayMs = DelayToNextTick(schedule, nowMs);
    return wake;
}

}  // namespace tocklet
