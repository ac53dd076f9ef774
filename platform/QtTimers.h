// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Numbered timers on Qt's event loop. Each timer is a precise single shot re-armed at the start
// of every tick, before the handler runs: Qt never re-enters a running timer's own slot, but a
// freshly armed single shot does fire inside a nested modal loop opened by the handler.
// Whole-second timers are kept just after the wall clock's second boundaries (TimerSchedule.h);
// other intervals keep a steady cadence on the monotonic clock.

#include <chrono>
#include <map>
#include <memory>

#include "platform/Clock.h"
#include "platform/TimerSchedule.h"
#include "platform/Timers.h"

class QTimer;

namespace tocklet {

class QtTimers final : public Timers {
public:
    /// Ticks go to handler; clock places whole-second timers on second boundaries.
    explicit QtTimers(const Clock& clock, TickHandler handler = {});
    ~QtTimers() override;

    void SetHandler(TickHandler handler) override;
    void Set(int id, int intervalMs) override;
    void Kill(int id) override;
    void SleepUntil(int id, std::int64_t epochSecond) override;
    void ClockSet() override;
    void Resumed() override;

private:
    struct Entry {
        std::unique_ptr<QTimer> timer;
        int intervalMs = 0;
        bool aligned = false;
        bool running = false;
        AlignedSchedule schedule;
        std::chrono::steady_clock::time_point nextPlainTick;
    };

    void OnWake(int id);
    void Arm(Entry& entry, std::int64_t delayMs);

    const Clock& clock_;
    TickHandler handler_;
    // Entries are only ever added: a timer killed inside its own tick must outlive that tick.
    std::map<int, Entry> timers_;
};

}  // namespace tocklet
