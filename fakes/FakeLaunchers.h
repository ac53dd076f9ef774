// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Record program starts and self-restarts instead of starting anything.

#include <string>
#include <vector>

#include "platform/ProgramLauncher.h"
#include "platform/SelfLauncher.h"

namespace tocklet::testing {

class FakeProgramLauncher final : public ProgramLauncher {
public:
    struct Started {
        std::string folder;
        std::string file;
        ShowMode show;
        bool operator==(const Started&) const = default;
    };

    bool Start(std::string_view folder, std::string_view file, ShowMode show) override {
        started.push_back({std::string(folder), std::string(file), show});
        return result;
    }

    std::vector<Started> started;
    bool result = true;  ///< what Start answers
};

class FakeSelfLauncher final : public SelfLauncher {
public:
    std::string ExecutablePath() override { return path; }
    SystemResult StartNewInstance() override {
        ++instancesStarted;
        return {path, failure};
    }

    std::string path = "/opt/tocklet/bin/tocklet";
    int instancesStarted = 0;
    std::string failure;  ///< why no instance starts; empty: each one starts
};

}  // namespace tocklet::testing
