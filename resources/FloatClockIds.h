// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Control numbers of the floating clock. Its face is made in code, not by the template.

namespace tocklet {

inline constexpr int kFloatClockFaceId = 1001;

}  // namespace tocklet
