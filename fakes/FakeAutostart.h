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
    SystemResult Register(std::string_view executablePath) override {
        registered.emplace_back(executablePath);
        return {entry, failure};
    }

    std::vector<std::string> registered;
    std::string entry = "/home/user/.config/autostart/tocklet.desktop";
    std::string failure;  ///< why the entry cannot be written; empty: it is written
};

}  // namespace tocklet::testing
