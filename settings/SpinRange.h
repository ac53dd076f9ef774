// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The numbers of a wrapping spin, without widgets: its range, a step and the position an
// edit's text stands for.

#include <optional>
#include <string_view>

namespace tocklet {

struct SpinRange {
    int minimum = 0;
    int maximum = 0;
};

/// One step of a wrapping spin: up from the maximum gives the minimum and down from the
/// minimum the maximum.
[[nodiscard]] int StepSpin(int position, int delta, SpinRange range);

/// The position an edit's text stands for: plain decimal digits within the range; nullopt for
/// anything else (empty, signs, blanks, out of range).
[[nodiscard]] std::optional<int> SpinPositionFromText(std::string_view text, SpinRange range);

}  // namespace tocklet
