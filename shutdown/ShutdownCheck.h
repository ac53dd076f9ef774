// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The daily power-off as the one-second tick sees it: whether a second opens the countdown,
// and how the preset time moves on once a countdown has closed.

#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>

#include "settings/ShutdownTime.h"

namespace tocklet {

/// True when the hour, minute and second of now are exactly the preset time. The installer's
/// unarmed -1:-1:-1 never is.
[[nodiscard]] bool IsShutdownSecond(const ShutdownTime& time, const std::tm& now);

/// The local time of a second since the epoch.
using LocalTimeOf = std::function<std::tm(std::int64_t)>;

/// The first second from fromSecond on, and before fromSecond + horizonSeconds, whose local
/// hour, minute and second are the preset time; none for a time no clock shows (the
/// installer's -1:-1:-1) or none in the horizon. Local time as local tells it, so a day that
/// repeats an hour may show the time twice and a day that skips one not at all.
[[nodiscard]] std::optional<std::int64_t> NextShutdownSecond(const ShutdownTime& time,
                                                             std::int64_t fromSecond,
                                                             std::int64_t horizonSeconds,
                                                             const LocalTimeOf& local);

/// time moved on by minutes: a minute past 59 is carried into the hour, and an hour past 23
/// into the next day's hour (22:55 + 10 gives 23:5:0, 23:55 + 10 gives 0:5:0).
[[nodiscard]] ShutdownTime PostponedShutdownTime(const ShutdownTime& time, int minutes);

/// Whether the countdown that has just closed moves the preset time on: the first repeat + 1
/// countdowns of a run do. shutdownRepeats counts the countdowns of the run before this one.
[[nodiscard]] bool PostponesShutdown(int shutdownRepeats, int repeat);

}  // namespace tocklet
