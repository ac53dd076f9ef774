// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "settings/SpinRange.h"

namespace tocklet {

int StepSpin(int position, int delta, SpinRange range) {
    const int span = range.maximum - range.minimum + 1;
    if (span <= 0) return range.minimum;
    long long offset = static_cast<long long>(position) - range.minimum + delta;
    offset %= span;
    if (offset < 0) offset += span;
    return range.minimum + static_cast<int>(offset);
}

std::optional<int> SpinPositionFromText(std::string_view text, SpinRange range) {
    if (text.empty()) return std::nullopt;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > range.maximum) return std::nullopt;
    }
    if (value < range.minimum) return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace tocklet
