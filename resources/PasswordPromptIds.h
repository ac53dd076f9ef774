// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Control numbers of the password prompt.

namespace tocklet {

inline constexpr int kPromptEditId = 1000;
inline constexpr int kPromptSubmitId = 1002;
inline constexpr int kPromptGiveUpId = 1097;

}  // namespace tocklet
