// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Control numbers of the power-off time dialog.

namespace tocklet {

struct ShutdownTimeIds {
    static constexpr int kHourEdit = 1040;
    static constexpr int kHourSpin = 1027;
    static constexpr int kMinuteEdit = 1042;
    static constexpr int kMinuteSpin = 1028;
    static constexpr int kSecondEdit = 1043;
    static constexpr int kSecondSpin = 1029;
    static constexpr int kOk = 1020;
};

}  // namespace tocklet
