// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// An instance slot held elsewhere for a number of tries, whose holder answers as told.

#include "platform/InstanceSlot.h"

namespace tocklet::testing {

class FakeInstanceSlot final : public InstanceSlot {
public:
    bool TryTake() override { return held = held || ++takes > heldElsewhereFor; }
    Answer AskToShow(std::chrono::milliseconds) override { return answer; }
    void Serve(std::function<void()> s) override { served = show = std::move(s); }
    void Leave() override { show = {}, ++leaves; }
    void Rejoin() override { show = served, ++rejoins; }
    void Release() override { Leave(), served = {}, held = false; }

    int heldElsewhereFor = 0;  ///< how many tries find the slot taken
    Answer answer = Answer::kNoHolder;
    bool held = false;
    int takes = 0, leaves = 0, rejoins = 0;
    std::function<void()> show;    ///< what a later start's request runs now; empty: not served
    std::function<void()> served;  ///< what Serve was last told
};

}  // namespace tocklet::testing
