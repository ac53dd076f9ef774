// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Records every sound request.

#include <string>
#include <vector>

#include "platform/Sound.h"

namespace tocklet::testing {

class FakeSound final : public Sound {
public:
    struct Played {
        std::string name;
        bool useDefault;
        bool operator==(const Played&) const = default;
    };

    void PlayAsync(std::string_view name, bool useDefaultWhenMissing) override {
        played.push_back({std::string(name), useDefaultWhenMissing});
    }

    std::vector<Played> played;
};

}  // namespace tocklet::testing
