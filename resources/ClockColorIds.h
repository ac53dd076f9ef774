// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Control numbers of the clock colour dialog. The radios run from red to brown in number
// order, white among them; which colour each one stands for is the dialog's business.

namespace tocklet {

inline constexpr int kClockColorChooseId = 1001;
inline constexpr int kClockColorRedId = 1003;
inline constexpr int kClockColorGreenId = 1004;
inline constexpr int kClockColorBlueId = 1005;
inline constexpr int kClockColorWhiteId = 1006;
inline constexpr int kClockColorYellowId = 1007;
inline constexpr int kClockColorBrownId = 1008;
inline constexpr int kClockColorFirstRadio = kClockColorRedId;
inline constexpr int kClockColorLastRadio = kClockColorBrownId;

}  // namespace tocklet
