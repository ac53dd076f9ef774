// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The floating clock's options in the INI file: "clock" (shown at start) and "color" (the
// digit colour's number) of section "option".

#include "settings/Colour.h"
#include "settings/SettingsTable.h"
#include "store/IniProfile.h"

namespace tocklet {

inline constexpr COLORREF kDefaultClockColor = Rgb(0, 255, 0);

/// The INI clock options, 0 when missing.
struct ClockOptions {
    int clock = 0;
    int color = 0;
};

/// Reads "clock" and "color".
[[nodiscard]] ClockOptions ReadClockOptions(Profile& profile);

/// The first-use defaults: "color" = "2", then "clock" = "1". False when either could not be
/// written.
[[nodiscard]] bool WriteFirstUseClockOptions(Profile& profile);

/// Writes "color" = number, as the clock colour dialog chose it; a write that failed is
/// reported as Failed(SetValue, ClockColor).
[[nodiscard]] SettingsReport WriteClockColor(Profile& profile, int number);

/// The clock colour of a colour number 1..6; any other number gives kDefaultClockColor.
[[nodiscard]] COLORREF ClockColorFromNumber(int number);

}  // namespace tocklet
