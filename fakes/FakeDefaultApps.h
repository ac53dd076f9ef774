// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Answers the default application's command from a table instead of the desktop's files.

#include <map>
#include <string>

#include "platform/DefaultApps.h"

namespace tocklet::testing {

class FakeDefaultApps final : public DefaultApps {
public:
    std::optional<std::string> CommandFor(std::string_view mimeType) override {
        const auto it = commands.find(std::string(mimeType));
        if (it == commands.end()) return std::nullopt;
        return it->second;
    }

    std::map<std::string, std::string> commands;  ///< by MIME type
};

}  // namespace tocklet::testing
