// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Keeping a whole-second timer on the wall clock's second boundaries: each tick re-arms for
// the next due second, so every due second is delivered once, in order, and only after it has
// begun. Plain arithmetic on milliseconds since the epoch, so it can be checked exhaustively.

#include <climits>
#include <cstdint>

#include "platform/Timers.h"

namespace tocklet {

/// How long after a second boundary a tick is aimed, so that a sample taken in the tick is
/// safely inside the due second.
inline constexpr std::int64_t kAlignOffsetMs = 15;

/// A wake this much earlier than the schedule allows can only mean the clock was set back.
inline constexpr std::int64_t kClockStepBackMs = 2000;

/// The wake second of a schedule that is not asleep.
inline constexpr std::int64_t kAwake = INT64_MIN;

/// The state of one aligned timer: its interval and the next second it is due at.
struct AlignedSchedule {
    std::int64_t intervalSeconds = 1;
    std::int64_t nextDueSecond = 0;
    /// While later than nextDueSecond, the timer sleeps until this second: the due seconds
    /// before it were found to need no tick and are passed over.
    std::int64_t wakeSecond = kAwake;
};

/// What to do on one wake of the underlying single-shot timer.
struct AlignedWake {
    bool deliver = false;      ///< hand a tick to the handler
    TickSeconds seconds;       ///< the due seconds the tick covers (when deliver)
    std::int64_t delayMs = 0;  ///< re-arm the single shot with this delay
};

/// True when an interval is kept on second boundaries (a positive whole number of seconds).
[[nodiscard]] constexpr bool IsWholeSeconds(std::int64_t intervalMs) {
    return intervalMs > 0 && intervalMs % 1000 == 0;
}

/// A schedule started at nowMs: first due at the boundary intervalSeconds after the start of
/// the current second.
[[nodiscard]] AlignedSchedule StartAligned(std::int64_t intervalSeconds, std::int64_t nowMs);

/// Lets the schedule sleep: its next tick comes at the first due second at or after
/// epochSecond (never before the next due second). A second before that lets it tick again
/// at every due second.
void SleepUntil(AlignedSchedule& schedule, std::int64_t epochSecond);

/// Drops the due seconds up to the one nowMs falls in: after a resume from sleep none of
/// them is served late. The schedule keeps its phase.
void SkipToNow(AlignedSchedule& schedule, std::int64_t nowMs);

/// Milliseconds from nowMs until the schedule's next tick is aimed (never negative).
[[nodiscard]] std::int64_t DelayToNextTick(const AlignedSchedule& schedule, std::int64_t nowMs);

/// Called when the single shot fires at nowMs. Before the due second has begun it only
/// re-arms. Otherwise it covers every due second up to nowMs (at most the last
/// kCatchUpSeconds of them) and moves the schedule past them. When the clock has been set back
/// by more than kClockStepBackMs beyond one interval, the schedule restarts at the last due
/// second (on its old phase) at or before nowMs, which is then delivered: the clock repeats
/// those seconds, so the handler sees them again. A sleeping schedule wakes at its wake
/// second and covers the due seconds from there on; a clock set back while it sleeps ends the
/// sleep as above, so the handler can look again at what is due.
[[nodiscard]] AlignedWake OnAlignedWake(AlignedSchedule& schedule, std::int64_t nowMs);

}  // namespace tocklet
