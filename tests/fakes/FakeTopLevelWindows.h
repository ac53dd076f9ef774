#pragma once
// A desktop of listed windows; records every request in order ("front 1", "close 7",
// "active 1"). A window asked to close goes from the list unless it refuses.

#include <algorithm>
#include <string>
#include <vector>

#include "platform/TopLevelWindows.h"

namespace tocklet::testing {

class FakeTopLevelWindows final : public TopLevelWindows {
public:
    bool CanSeeOtherWindows() override { return !blind; }
    std::optional<std::vector<TopLevelWindow>> List() override {
        ++lists;
        if (failList) return std::nullopt;
        return windows;
    }
    bool RequestClose(WindowId window) override {
        calls.push_back("close " + std::to_string(window));
        if (std::find(refusing.begin(), refusing.end(), window) != refusing.end()) return true;
        return std::erase_if(windows, [&](const TopLevelWindow& w) { return w.id == window; });
    }
    void BringToFront(WindowId window) override {
        calls.push_back("front " + std::to_string(window));
    }
    void Activate(WindowId window) override { calls.push_back("active " + std::to_string(window)); }

    std::vector<TopLevelWindow> windows;
    std::vector<WindowId> refusing;
    std::vector<std::string> calls;
    bool blind = false;
    bool failList = false;
    int lists = 0;
};

}  // namespace tocklet::testing
