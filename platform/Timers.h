// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Numbered timers of one window, like SetTimer/KillTimer: every tick of every timer goes to
// one handler, which tells them apart by number. A handler may open a nested modal loop; the
// ticks of all timers, its own included, keep arriving inside it.

#include <cstdint>
#include <functional>

namespace tocklet {

/// How far back one late tick of a whole-second timer reaches: held-up due seconds older than
/// this are dropped, so a suspend or a clock set forward is a jump, not hours of catching up.
inline constexpr std::int64_t kCatchUpSeconds = 120;

/// The wall-clock seconds one tick stands for: first, first + step, ... (count of them).
/// A timer whose interval is a whole number of seconds ticks just after the second boundaries
/// of its schedule; count is 1 unless earlier ticks were held up (a blocked event loop), in
/// which case one tick covers every missed due second of the last kCatchUpSeconds, so the
/// handler can run its per-second work for each. Timers with other intervals have count 0.
struct TickSeconds {
    std::int64_t first = 0;  ///< seconds since the epoch
    std::int64_t count = 0;
    std::int64_t step = 0;  ///< the timer's interval in seconds

    /// The i-th covered second, 0 <= i < count.
    [[nodiscard]] std::int64_t At(std::int64_t i) const { return first + i * step; }
};

/// Receives every tick: the timer's number and the seconds it covers.
using TickHandler = std::function<void(int id, const TickSeconds& seconds)>;

class Timers {
public:
    Timers() = default;
    virtual ~Timers() = default;
    Timers(const Timers&) = delete;
    Timers& operator=(const Timers&) = delete;

    /// Replaces the function that receives the ticks of every timer.
    virtual void SetHandler(TickHandler handler) = 0;

    /// Starts timer id ticking every intervalMs milliseconds (at least 10); a timer that is
    /// already running starts over with the new interval.
    virtual void Set(int id, int intervalMs) = 0;

    /// Stops timer id; a timer that is not running is left alone.
    virtual void Kill(int id) = 0;

    /// Lets whole-second timer id sleep: its next tick comes at the first second of its
    /// schedule at or after epochSecond; the due seconds before it are passed over. A second
    /// already due lets it tick at every due second again. Other timers ignore it.
    virtual void SleepUntil(int id, std::int64_t epochSecond) {
        static_cast<void>(id);
        static_cast<void>(epochSecond);
    }

    /// The wall clock was set: every whole-second timer looks at it at once (a step forward
    /// is caught up as a late tick is, a step back rejoins the clock).
    virtual void ClockSet() {}

    /// The machine woke from sleep: the due seconds that passed while it slept are dropped
    /// and every whole-second timer goes on from the current second.
    virtual void Resumed() {}
};

}  // namespace tocklet
