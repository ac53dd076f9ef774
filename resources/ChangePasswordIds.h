// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Control numbers of the change-password dialog.

namespace tocklet {

inline constexpr int kChangeOldId = 1025;
inline constexpr int kChangeNewId = 1009;
inline constexpr int kChangeConfirmId = 1026;
inline constexpr int kChangeOkId = 1097;
inline constexpr int kChangeCancelId = 1008;

}  // namespace tocklet
