// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Records Set and Kill; the test delivers ticks with Fire.

#include <cstdint>
#include <map>
#include <vector>

#include "platform/Timers.h"

namespace tocklet::testing {

class FakeTimers final : public Timers {
public:
    struct Call {
        bool set;  ///< false for Kill
        int id;
        int intervalMs;  ///< 0 for Kill
        bool operator==(const Call&) const = default;
    };

    explicit FakeTimers(TickHandler handler = {}) : handler_(std::move(handler)) {}

    void SetHandler(TickHandler handler) override { handler_ = std::move(handler); }
    void Set(int id, int intervalMs) override {
        calls.push_back({true, id, intervalMs});
        running[id] = intervalMs;
        sleepUntil.erase(id);
    }
    void Kill(int id) override {
        calls.push_back({false, id, 0});
        running.erase(id);
        sleepUntil.erase(id);
    }

    void SleepUntil(int id, std::int64_t epochSecond) override { sleepUntil[id] = epochSecond; }
    void ClockSet() override { ++clockSets; }
    void Resumed() override { ++resumes; }

    /// Delivers one tick of timer id to the handler, whether or not it is running.
    void Fire(int id, TickSeconds seconds = {}) {
        TickHandler handler = handler_;
        if (handler) handler(id, seconds);
    }

    bool IsRunning(int id) const { return running.count(id) != 0; }

    std::vector<Call> calls;
    std::map<int, int> running;              ///< id -> interval of the timers set and not killed
    std::map<int, std::int64_t> sleepUntil;  ///< id -> the last second it was told to sleep until
    int clockSets = 0;
    int resumes = 0;

private:
    TickHandler handler_;
};

}  // namespace tocklet::testing
