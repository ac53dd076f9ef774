// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// A desktop of listed windows; records every request in order ("front 1", "close 7",
// "active 1"). A window asked to close leaves the list.

#include <string>
#include <vector>

#include "platform/TopLevelWindows.h"

namespace tocklet::testing {

class FakeTopLevelWindows final : public TopLevelWindows {
public:
    bool CanSeeOtherWindows() override { return !blind; }
    std::optional<std::vector<TopLevelWindow>> List() override {
        return failList ? std::nullopt : std::optional(windows);
    }
    bool RequestClose(WindowId w) override {
        calls.push_back("close " + std::to_string(w));
        return std::erase_if(windows, [w](const TopLevelWindow& x) { return x.id == w; }) != 0;
    }
    void BringToFront(WindowId w) override { calls.push_back("front " + std::to_string(w)); }
    void Activate(WindowId w) override { calls.push_back("active " + std::to_string(w)); }

    std::vector<TopLevelWindow> windows;
    std::vector<std::string> calls;
    bool blind = false, failList = false;
};

}  // namespace tocklet::testing
