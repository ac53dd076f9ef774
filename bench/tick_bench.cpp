// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// Precision of the panel's one-second tick: the real panel on the real clock and timers for a
// given time (run it under faketime to start at any moment), printing how long after its
// second boundary each tick arrived (p50/p99/max) and which seconds were skipped, doubled or
// delivered late in a catch-up tick. bench/tick-precision.sh runs it idle and with both cores
// busy. Usage: tick_bench [SECONDS (default 600)]

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "bench/PanelBench.h"

using namespace tocklet;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const long seconds = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 600;

    std::vector<std::int64_t> offsets;  // ms after the latest second each tick covers
    std::map<std::int64_t, int> delivered;
    long ticks = 0, caughtUp = 0;
    // The floating clock shown: the one-second tick runs every second rather than sleeping
    // until the next full hour.
    bench::PanelBench bench({{"1110,30_|meeting", "0322,0_6|/usr/bin/true"}, true, "12:0:0", true},
                            [&](std::int64_t nowMs, const TickSeconds& s) {
                                ++ticks;
                                if (s.count == 0) return;
                                offsets.push_back(nowMs - s.At(s.count - 1) * 1000);
                                caughtUp += s.count - 1;
                                for (std::int64_t i = 0; i < s.count; ++i) ++delivered[s.At(i)];
                            });
    const std::int64_t startMs = EpochMs(bench.clock.Now());
    const int ended = bench.Run([&](CMainPanelDlg& panel) {
        QTimer::singleShot(static_cast<int>(seconds * 1000), &panel,
                           [&panel] { panel.done(kIdOk); });
    });
    if (ended != kIdOk) {
        std::fprintf(stderr, "the panel ended before the run did (result %d)\n", ended);
        return 1;
    }

    long skipped = 0, doubled = 0;
    if (!delivered.empty()) {
        for (std::int64_t s = delivered.begin()->first; s <= delivered.rbegin()->first; ++s) {
            const auto it = delivered.find(s);
            if (it == delivered.end())
                ++skipped;
            else if (it->second > 1)
                doubled += it->second - 1;
        }
    }
    std::printf(
        "ticks %ld over %ld s from %lld: offset after the second p50 %lld ms, p99 %lld ms, "
        "max %lld ms; skipped %ld, doubled %ld, late (caught up) %ld\n",
        ticks, seconds, static_cast<long long>(startMs / 1000),
        static_cast<long long>(bench::Quantile(offsets, 0.5)),
        static_cast<long long>(bench::Quantile(offsets, 0.99)),
        static_cast<long long>(bench::Quantile(offsets, 1.0)), skipped, doubled, caughtUp);
    return skipped == 0 && doubled == 0 ? 0 : 1;
}
