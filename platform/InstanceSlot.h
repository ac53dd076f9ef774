// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The running instance of the program for one user and display.

#include <chrono>
#include <functional>

namespace tocklet {

/// One process at a time holds the slot; a later start asks the holder to show its panel.
class InstanceSlot {
public:
    /// What became of a request to show the holder's panel.
    enum class Answer {
        kShown,     ///< the holder showed its panel
        kNoHolder,  ///< nobody answers requests: the slot is free or its holder is ending
        kSilent,    ///< the holder took the request but gave no answer in time
    };

    InstanceSlot() = default;
    virtual ~InstanceSlot() = default;
    InstanceSlot(const InstanceSlot&) = delete;
    InstanceSlot& operator=(const InstanceSlot&) = delete;

    /// Takes the slot unless another process holds it; true when this process holds it now.
    [[nodiscard]] virtual bool TryTake() = 0;

    /// Asks the holder to show its panel, waiting at most timeout for its answer.
    [[nodiscard]] virtual Answer AskToShow(std::chrono::milliseconds timeout) = 0;

    /// While holding: runs show at each request of a later start (an empty function stops).
    virtual void Serve(std::function<void()> show) = 0;

    /// Stops taking requests, so that later starts wait for the slot instead of leaving; the
    /// slot stays held until Release or the end of the process.
    virtual void Leave() = 0;

    /// After Leave, when the successor it was for never started: takes requests again, as
    /// Serve was last told.
    virtual void Rejoin() = 0;

    /// Leaves and gives the slot up.
    virtual void Release() = 0;
};

}  // namespace tocklet
