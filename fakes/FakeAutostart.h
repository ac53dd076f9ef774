// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Records autostart registrations.

#include <string>
#include <vector>

#include "platform/Autostart.h"

namespace tocklet::testing {

class FakeAutostart final : public Autostart {
public:
    bool Register(std::string_view executablePath) override {
        registered.emplace_back(executablePath);
        return result;
    }

    std::vector<std::string> registered;
    bool result = true;
};

}  // namespace tocklet::testing
