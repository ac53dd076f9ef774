// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Records what would have been opened with the desktop.

#include <string>
#include <vector>

#include "platform/ShellOpen.h"

namespace tocklet::testing {

class FakeShellOpen final : public ShellOpen {
public:
    bool Open(std::string_view target) override {
        opened.emplace_back(target);
        return result;
    }

    std::vector<std::string> opened;
    bool result = true;
};

}  // namespace tocklet::testing
