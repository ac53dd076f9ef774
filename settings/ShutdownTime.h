// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The preset power-off time's text form, "hour:minute:second", each part "%d" (e.g. 21:30:0),
// as value "CloseHour" holds it.

#include <string>
#include <string_view>

namespace tocklet {

struct ShutdownTime {
    int m_nHour = 0;
    int m_nMinute = 0;
    int m_nSecond = 0;

    bool operator==(const ShutdownTime&) const = default;
};

/// Splits the text at its ':' characters: before the first is the hour, between the first and
/// the second the minute, after the second the second; each part read like atoi (empty or not
/// a number: 0).
[[nodiscard]] ShutdownTime SplitShutdownTime(std::string_view text);

/// The text form: the three numbers with "%d" and ':' between them.
[[nodiscard]] std::string FormatShutdownTime(const ShutdownTime& time);

}  // namespace tocklet
