// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Records every message box instead of showing it; answers from a queue (kIdOk when empty).

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/MessageBox.h"

namespace tocklet::testing {

struct ShownBox {
    std::string text;
    std::string caption;
    MbButtons buttons;
    MbIcon icon;
};

class FakeMessageBoxes final : public MessageBoxes {
public:
    int Show(std::string_view text, std::optional<std::string_view> caption, MbButtons buttons,
             MbIcon icon) override {
        shown.push_back(
            {std::string(text), std::string(caption.value_or(kAppCaption)), buttons, icon});
        if (whileShown) whileShown();
        if (answers.empty()) return kIdOk;
        int a = answers.front();
        answers.pop_front();
        return a;
    }
    /// The texts shown so far, in order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> t;
        for (const auto& b : shown) t.push_back(b.text);
        return t;
    }

    std::vector<ShownBox> shown;
    std::deque<int> answers;
    /// Runs while a box is "open", before it is answered (what a nested loop would do).
    std::function<void()> whileShown;
};

}  // namespace tocklet::testing
