// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Starting as the one instance for this user and display, or handing over to the running one.

#include <chrono>
#include <string_view>

#include "platform/SelfLauncher.h"

namespace tocklet {

class InstanceSlot;

/// How long a start waits for the running instance to answer or, when it is ending (a
/// restart), to give up the slot.
inline constexpr std::chrono::milliseconds kHandOverWait{5000};

enum class Claim {
    kTaken,           ///< this process is the instance now
    kShownElsewhere,  ///< the running instance showed its panel; this start ends
    kBusy,            ///< the running instance neither answered nor ended in time
};

/// Takes the slot, or asks its holder to show its panel; while the holder is ending (it
/// stopped taking requests before it started this process) waits for the slot, at most wait.
[[nodiscard]] Claim ClaimInstance(InstanceSlot& slot, std::chrono::milliseconds wait);

/// The line for standard error after a start that did not take the slot.
[[nodiscard]] std::string_view ClaimMessage(Claim claim);

/// The self-restart of a running instance (after a task change, or Escape): it leaves the
/// slot before starting its successor, so the successor waits for the slot instead of asking
/// this ending instance to show its panel. When the successor does not start, this instance
/// rejoins the slot and goes on serving later starts.
class HandOverSelfLauncher final : public SelfLauncher {
public:
    HandOverSelfLauncher(SelfLauncher& launcher, InstanceSlot& slot)
        : launcher_(launcher), slot_(slot) {}

    [[nodiscard]] std::string ExecutablePath() override { return launcher_.ExecutablePath(); }
    [[nodiscard]] SystemResult StartNewInstance() override;

private:
    SelfLauncher& launcher_;
    InstanceSlot& slot_;
};

}  // namespace tocklet
