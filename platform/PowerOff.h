// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Asking the system to power the computer off.

namespace tocklet {

class PowerOff {
public:
    PowerOff() = default;
    virtual ~PowerOff() = default;
    PowerOff(const PowerOff&) = delete;
    PowerOff& operator=(const PowerOff&) = delete;

    /// Sends the power-off request and returns at once; whether it was granted is never
    /// reported to the caller (a failure or refusal goes to standard error only).
    virtual void RequestPowerOff() = 0;
};

}  // namespace tocklet
