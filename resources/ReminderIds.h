// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Control numbers of the reminder pop-up.

#include <array>

namespace tocklet {

inline constexpr int kReminderHeadingId = 1057;
inline constexpr std::array<int, 4> kReminderLineIds = {1109, 1110, 1111, 1112};
inline constexpr int kReminderThanksId = 1097;

}  // namespace tocklet
