// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/InstanceClaim.h"

#include <thread>

#include "platform/InstanceSlot.h"

namespace tocklet {
namespace {

// Between two looks at a slot whose holder is ending.
constexpr std::chrono::milliseconds kRetryPause{50};

}  // namespace

Claim ClaimInstance(InstanceSlot& slot, std::chrono::milliseconds wait) {
    using Steady = std::chrono::steady_clock;
    const Steady::time_point deadline = Steady::now() + wait;
    for (;;) {
        if (slot.TryTake()) return Claim::kTaken;
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Steady::now());
        if (left.count() <= 0) return Claim::kBusy;
        if (slot.AskToShow(left) == InstanceSlot::Answer::kShown) return Claim::kShownElsewhere;
        std::this_thread::sleep_for(std::min(kRetryPause, left));
    }
}

std::string_view ClaimMessage(Claim claim) {
    switch (claim) {
        case Claim::kShownElsewhere:
            return "tocklet is already running on this display; its panel is shown\n";
        case Claim::kBusy:
            return "tocklet is already running on this display but does not answer; not "
                   "starting another\n";
        case Claim::kTaken:
            break;
    }
    return {};
}

SystemResult HandOverSelfLauncher::StartNewInstance() {
    slot_.Leave();
    SystemResult started = launcher_.StartNewInstance();
    if (!started.Ok()) slot_.Rejoin();
    return started;
}

}  // namespace tocklet
