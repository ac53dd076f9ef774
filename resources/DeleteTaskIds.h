// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Control numbers of the delete-task dialog.

namespace tocklet {

inline constexpr int kDeleteListId = 1105;
inline constexpr int kDeleteButtonId = 1108;
inline constexpr int kDeleteExitId = 1081;

}  // namespace tocklet
