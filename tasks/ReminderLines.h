// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Breaking a reminder text into the pop-up's four display lines.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tocklet {

inline constexpr std::size_t kReminderLineBytes = 30;
inline constexpr std::size_t kReminderLineCount = 4;

/// Fills lines of at most 30 bytes in order, never splitting a two-byte character (one that
/// would make a line 31 bytes long starts the next line instead); words and punctuation do not
/// matter; whatever does not fit in four lines is cut off.
[[nodiscard]] std::array<std::string, kReminderLineCount> SplitReminderLines(std::string_view text);

}  // namespace tocklet
