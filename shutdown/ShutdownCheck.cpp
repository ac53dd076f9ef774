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

bool PostponesShutdown(int shutdownRepeats, int repeat) { return shutdownRepeats <= repeat; }

}  // namespace tocklet
