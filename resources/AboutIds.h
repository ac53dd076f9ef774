// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Control numbers of the About box. Its one button carries the number of the OK result.

namespace tocklet {

inline constexpr int kAboutOkId = 1;

}  // namespace tocklet
