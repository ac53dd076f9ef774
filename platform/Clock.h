// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The wall clock: the current time with milliseconds and its local broken-down form.

#include <chrono>
#include <cstdint>
#include <ctime>

namespace tocklet {

using TimePoint = std::chrono::system_clock::time_point;

/// Milliseconds since the epoch, rounded down.
[[nodiscard]] inline std::int64_t EpochMs(TimePoint t) {
    return std::chrono::floor<std::chrono::milliseconds>(t.time_since_epoch()).count();
}

/// The instant a number of seconds after the epoch.
[[nodiscard]] inline TimePoint FromEpochSeconds(std::int64_t seconds) {
    return TimePoint(std::chrono::seconds(seconds));
}

class Clock {
public:
    Clock() = default;
    virtual ~Clock() = default;
    Clock(const Clock&) = delete;
    Clock& operator=(const Clock&) = delete;

    /// The current wall-clock time.
    [[nodiscard]] virtual TimePoint Now() const = 0;

    /// The local time of t in the C library's fields (tm_mon 0..11, tm_wday 0 = Sunday).
    [[nodiscard]] virtual std::tm LocalTime(TimePoint t) const = 0;
};

/// The system's clock and time zone.
class SystemClock final : public Clock {
public:
    [[nodiscard]] TimePoint Now() const override;
    [[nodiscard]] std::tm LocalTime(TimePoint t) const override;
};

}  // namespace tocklet
