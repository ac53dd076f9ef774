// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// A clock the test sets and moves; its local time is UTC, so tests do not depend on TZ.

#include <chrono>
#include <cstdint>
#include <ctime>

#include "platform/Clock.h"

namespace tocklet::testing {

/// The C library's fields of a calendar date and time (month 1..12); all others are 0.
inline std::tm CalendarTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    return tm;
}

class FakeClock final : public Clock {
public:
    TimePoint Now() const override { return now_; }

    std::tm LocalTime(TimePoint t) const override {
        std::time_t seconds =
            std::chrono::system_clock::to_time_t(std::chrono::floor<std::chrono::seconds>(t));
        std::tm tm{};
        gmtime_r(&seconds, &tm);
        return tm;
    }

    void Set(TimePoint t) { now_ = t; }
    void SetMs(std::int64_t epochMs) { now_ = TimePoint(std::chrono::milliseconds(epochMs)); }

    /// Sets the local time (month 1..12).
    void SetLocal(int year, int month, int day, int hour, int minute, int second, int ms = 0) {
        std::tm tm = CalendarTime(year, month, day, hour, minute, second);
        now_ = TimePoint(std::chrono::seconds(timegm(&tm)) + std::chrono::milliseconds(ms));
    }

    void Advance(std::chrono::milliseconds by) { now_ += by; }

private:
    TimePoint now_{};
};

}  // namespace tocklet::testing
