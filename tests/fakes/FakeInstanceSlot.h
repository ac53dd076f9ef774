#pragma once
// An instance slot that another process holds for a number of tries, and whose holder
// answers as told.

#include <functional>

#include "platform/InstanceSlot.h"

namespace tocklet::testing {

class FakeInstanceSlot final : public InstanceSlot {
public:
    bool TryTake() override { return held = held || ++takes > heldElsewhereFor; }
    Answer AskToShow(std::chrono::milliseconds) override {
        ++asks;
        return answer;
    }
    void Serve(std::function<void()> s) override { show = std::move(s); }
    void Leave() override {
        ++leaves;
        show = {};
    }
    void Release() override {
        Leave();
        held = false;
    }

    int heldElsewhereFor = 0;  ///< how many tries find the slot taken
    Answer answer = Answer::kNoHolder;
    bool held = false;
    int takes = 0;
    int asks = 0;
    int leaves = 0;
    std::function<void()> show;
};

}  // namespace tocklet::testing
