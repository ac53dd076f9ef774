// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/Clock.h"

namespace tocklet {

TimePoint SystemClock::Now() const { return std::chrono::system_clock::now(); }

std::tm SystemClock::LocalTime(TimePoint t) const {
    std::time_t seconds =
        std::chrono::system_clock::to_time_t(std::chrono::floor<std::chrono::seconds>(t));
    std::tm tm{};
    localtime_r(&seconds, &tm);
    return tm;
}

}  // namespace tocklet
