// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// A remote control that records the panel's moments, one line each, and the commands it was
// given to serve.

#include <string>
#include <vector>

#include "platform/RemoteControl.h"

namespace tocklet::testing {

class FakeRemoteControl final : public RemoteControl {
public:
    bool Serve(RemoteCommands& c) override {
        commands = &c;
        return reachable;
    }
    void Leave() override { commands = nullptr; }

    void TaskFired(const std::string& due, const std::string& kind,
                   const std::string& text) override {
        heard.push_back("TaskFired " + due + ' ' + kind + ' ' + text);
    }
    void CountdownStarted(const std::string& time) override {
        heard.push_back("CountdownStarted " + time);
    }
    void CountdownEnded(CountdownEnd how) override {
        heard.push_back(std::string("CountdownEnded ") + CountdownEndWord(how));
    }
    void MonitoringChanged(bool on) override {
        heard.push_back(std::string("MonitoringChanged ") + (on ? "true" : "false"));
    }

    bool reachable = true;
    RemoteCommands* commands = nullptr;  ///< what it serves now; nullptr: nothing
    std::vector<std::string> heard;
};

}  // namespace tocklet::testing
