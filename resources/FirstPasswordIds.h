// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Control numbers of the first-use password dialog.

namespace tocklet {

inline constexpr int kFirstPasswordId = 1000;
inline constexpr int kFirstConfirmId = 1009;
inline constexpr int kFirstOkId = 1097;

}  // namespace tocklet
