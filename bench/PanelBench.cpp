// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "bench/PanelBench.h"

#include <malloc.h>

#include <QTimer>
#include <cmath>

namespace tocklet::bench {
namespace {

constexpr const char* kProgramKey = "Software\\Microsoft\\Windows\\tocklet";
constexpr const char* kCvKey = "Software\\Microsoft\\Windows\\CurrentVersion";

// A stored small value: its text, a zero byte and zeros up to the value's byte count.
std::string Stored(std::string_view text, std::size_t count) {
    std::string s(text.substr(0, count));
    s.resize(count, '\0');
    return s;
}

}  // namespace

PanelBench::PanelBench(const StoredState& state, WatchedTimers::Watcher watcher)
    : timers(clock, std::move(watcher)) {
    registry.AddKey(kProgramKey);
    registry.AddKey(kCvKey);
    registry.AddKey("Software\\Microsoft\\Windows\\CurrentVersion\\Run");
    registry.Put(kCvKey, "new", Stored("1", 2));
    registry.Put(kProgramKey, "Repeat", Stored("0", 3));
    registry.Put(kProgramKey, "DelayTime", Stored("0", 3));
    registry.Put(kProgramKey, "Status", Stored("1", 2));
    registry.Put(kProgramKey, "CloseHour", Stored(state.shutdownTime, 10));
    const std::string on = state.chime ? "1" : "0";
    registry.Put(kProgramKey, "ClockOpen", Stored(on, 1));
    registry.Put(kProgramKey, "music", Stored(on, 2));
    registry.Put(kProgramKey, "word", Stored(on, 3));
    for (std::size_t i = 0; i < state.tasks.size(); ++i) {
        registry.Put(kProgramKey, std::to_string(i + 1), Stored(state.tasks[i], 100));
    }
    registry.Put(kProgramKey, "happen", Stored(std::to_string(state.tasks.size()), 3));
    if (state.clockShown) profile.Put("option", "clock", "1");
}

int PanelBench::Run(const std::function<void(CMainPanelDlg&)>& started) {
    CMainPanelDlg panel(PanelServices{registry, profile, boxes, clock, timers, sound, launcher,
                                      self, tray, autostart, shell, windows, clockTimers,
                                      defaultApps, powerOff, countdownTimers, windowChanges,
                                      clockSet, sleep});
    QTimer::singleShot(0, &panel, [&] { started(panel); });
    return panel.DoModal();
}

long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

long HeapInUseKb() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long>((info.uordblks + info.hblkhd) / 1024);
}

std::int64_t Quantile(std::vector<std::int64_t> values, double q) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(std::ceil(q * static_cast<double>(values.size())));
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

}  // namespace tocklet::bench
