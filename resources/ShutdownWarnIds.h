// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Control numbers of the power-off countdown.

namespace tocklet {

struct ShutdownWarnIds {
    static constexpr int kHeading = 1053;
    static constexpr int kLine1 = 1054;
    static constexpr int kLine2 = 1055;
    static constexpr int kLine3 = 1056;
    static constexpr int kProgress = 1045;
    static constexpr int kShutdownNow = 1058;
    static constexpr int kCancel = 1097;
};

}  // namespace tocklet
