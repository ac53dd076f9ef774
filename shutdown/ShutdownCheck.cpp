// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "shutdown/ShutdownCheck.h"

namespace tocklet {
namespace {

constexpr int kMinutesPerDay = 24 * 60;

}  // namespace

bool IsShutdownSecond(const ShutdownTime& time, const std::tm& now) {
    return now.tm_hour == time.m_nHour && now.tm_min == time.m_nMinute &&
           now.tm_sec == time.m_nSecond;
}

ShutdownTime PostponedShutdownTime(const ShutdownTime& time, int minutes) {
    int total = (time.m_nHour * 60 + time.m_nMinute + minutes) % kMinutesPerDay;
    if (total < 0) total += kMinutesPerDay;
    return {total / 60, total % 60, time.m_nSecond};
}

std::optional<std::int64_t> NextShutdownSecond(const ShutdownTime& time, std::int64_t fromSecond,
                                               std::int64_t horizonSeconds,
                                               const LocalTimeOf& local) {
    if (time.m_nSecond < 0 || time.m_nSecond > 59) return std::nullopt;
    // Local minutes begin on whole epoch minutes in every zone of today, so the minutes are
    // looked at one by one and the second placed in the matching one.
    const std::int64_t end = fromSecond + horizonSeconds;
    for (std::int64_t minute = fromSecond - local(fromSecond).tm_sec; minute < end; minute += 60) {
        const std::tm at = local(minute);
        if (at.tm_hour != time.m_nHour || at.tm_min != time.m_nMinute) continue;
        const std::int64_t second = minute + time.m_nSecond;
        if (second >= fromSecond && second < end) return second;
    }
    return std::nullopt;
}

bool PostponesShutdown(int shutdownRepeats, int repeat) { return shutdownRepeats <= repeat; }

}  // namespace tocklet
