// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The real main panel on the real clock and Qt timers, for the benches that run it for minutes
// or hours (under faketime): the services that would reach out of the process (sound, program
// start, message boxes, power-off, the registry file) are the tests' recording stand-ins, so
// every due task, chime and box is counted with the moment it happened.

#include <QApplication>
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "fakes/FakeAutostart.h"
#include "fakes/FakeDefaultApps.h"
#include "fakes/FakeLaunchers.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakePowerOff.h"
#include "fakes/FakeProfile.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeShellOpen.h"
#include "fakes/FakeSound.h"
#include "fakes/FakeTopLevelWindows.h"
#include "fakes/FakeTrayIcon.h"
#include "fakes/FakeWindowChanges.h"
#include "platform/Clock.h"
#include "platform/LogindSleepWatch.h"
#include "platform/QtTimers.h"
#include "platform/RealtimeSetWatch.h"
#include "shell/MainPanelDlg.h"

namespace tocklet::bench {

/// The panel's timers as they run, with every tick of timer 1 noted before the panel sees it.
class WatchedTimers final : public Timers {
public:
    /// Called for each tick of timer 1 with the wall-clock time it arrived and its seconds.
    using Watcher = std::function<void(std::int64_t nowMs, const TickSeconds& seconds)>;

    WatchedTimers(const Clock& clock, Watcher watcher)
        : clock_(clock), inner_(clock), watcher_(std::move(watcher)) {}

    void SetHandler(TickHandler handler) override {
        if (!handler) {
            inner_.SetHandler({});
            return;
        }
        inner_.SetHandler([this, handler](int id, const TickSeconds& seconds) {
            if (id == kTimerSecond && watcher_) watcher_(EpochMs(clock_.Now()), seconds);
            handler(id, seconds);
        });
    }
    void Set(int id, int intervalMs) override { inner_.Set(id, intervalMs); }
    void Kill(int id) override { inner_.Kill(id); }
    void SleepUntil(int id, std::int64_t epochSecond) override {
        inner_.SleepUntil(id, epochSecond);
    }
    void ClockSet() override { inner_.ClockSet(); }
    void Resumed() override { inner_.Resumed(); }

private:
    const Clock& clock_;
    QtTimers inner_;
    Watcher watcher_;
};

/// The stored state of an installed, set-up program, with tasks and the chime as given.
struct StoredState {
    std::vector<std::string> tasks;  ///< code page 936 records
    bool chime = false;              ///< hourly chime with sound and message
    /// The preset power-off time: one the run does not reach (an empty one means midnight).
    std::string shutdownTime = "12:0:0";
    /// The floating clock shown from the start: the one-second tick then runs every second.
    bool clockShown = false;
};

/// A panel on the system clock and real timers; every other service records.
struct PanelBench {
    SystemClock clock;
    testing::FakeRegistry registry;
    testing::FakeProfile profile;
    testing::FakeMessageBoxes boxes;
    WatchedTimers timers;
    testing::FakeSound sound;
    testing::FakeProgramLauncher launcher;
    testing::FakeSelfLauncher self;
    testing::FakeTrayIcon tray;
    testing::FakeAutostart autostart;
    testing::FakeShellOpen shell;
    testing::FakeTopLevelWindows windows;
    QtTimers clockTimers{clock};
    testing::FakeDefaultApps defaultApps;
    testing::FakePowerOff powerOff;
    QtTimers countdownTimers{clock};
    testing::FakeWindowChanges windowChanges;
    RealtimeSetWatch clockSet;
    LogindSleepWatch sleep;

    PanelBench(const StoredState& state, WatchedTimers::Watcher watcher);

    /// Builds the panel and runs it (shown, hidden 800 ms later) until stop() is called.
    [[nodiscard]] int Run(const std::function<void(CMainPanelDlg&)>& started);
};

/// Resident memory of this process in kB (VmRSS).
[[nodiscard]] long ResidentKb();

/// Bytes the allocator has handed out and not taken back, in kB.
[[nodiscard]] long HeapInUseKb();

/// The q-quantile (0..1) of values, nearest rank; 0 for none.
[[nodiscard]] std::int64_t Quantile(std::vector<std::int64_t> values, double q);

}  // namespace tocklet::bench
