// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Word of changed windows on demand: Tell() is the window system reporting a change. Without
// canWatch (the default) no word can be had, as on a desktop without X events.

#include <functional>

#include "platform/WindowChanges.h"

namespace tocklet::testing {

class FakeWindowChanges final : public WindowChanges {
public:
    bool Start(std::function<void()> onChange) override {
        ++starts;
        watching_ = canWatch;
        onChange_ = canWatch ? std::move(onChange) : nullptr;
        return canWatch;
    }
    void Stop() override {
        ++stops;
        watching_ = false;
        onChange_ = nullptr;
    }
    bool Watching() const override { return watching_; }

    /// A change, told as the event loop would tell it.
    void Tell() {
        const std::function<void()> tell = onChange_;
        if (tell) tell();
    }
    /// The window system lost: told once more, then silent.
    void Lose() {
        watching_ = false;
        Tell();
        onChange_ = nullptr;
    }

    bool canWatch = false;
    int starts = 0, stops = 0;

private:
    bool watching_ = false;
    std::function<void()> onChange_;
};

}  // namespace tocklet::testing
