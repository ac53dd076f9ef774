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
    void Serve(std::function<void()> s) override { show = std::move(s); }
    void Leave() override { show = {}, ++leaves; }
    void Release() override { Leave(), held = false; }

    int heldElsewhereFor = 0;  ///< how many tries find the slot taken
    Answer answer = Answer::kNoHolder;
    bool held = false;
    int takes = 0, leaves = 0;
    std::function<void()> show;
};

}  // namespace tocklet::testing
