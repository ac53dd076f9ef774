// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Counts power-off requests and runs onRequest at each; powers nothing off.

#include <functional>

#include "platform/PowerOff.h"

namespace tocklet::testing {

struct FakePowerOff final : PowerOff {
    void RequestPowerOff() override {
        ++requests;
        if (onRequest) onRequest();
    }
    int requests = 0;
    std::function<void()> onRequest;
};

}  // namespace tocklet::testing
