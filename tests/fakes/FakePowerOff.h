#pragma once
// Counts power-off requests; powers nothing off.

#include <functional>

#include "platform/PowerOff.h"

namespace tocklet::testing {

class FakePowerOff final : public PowerOff {
public:
    void RequestPowerOff() override {
        ++requests;
        if (onRequest) onRequest();
    }

    int requests = 0;
    std::function<void()> onRequest;  ///< run at each request, e.g. to note what else happened
};

}  // namespace tocklet::testing
