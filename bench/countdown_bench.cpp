// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The power-off countdown's 300 ticks of 100 ms against the wall clock: how far the 300th tick
// lands from 30 s after the start (drift), and the widest gap between two ticks. Beside it runs
// a one-second timer like the panel's, which updates a window title each second and, from its
// 5th to its 10th second, holds a modal window open, as a reminder opened by the panel would.
// Usage: countdown_bench [RUNS]   (QT_QPA_PLATFORM=offscreen unless a display is wanted)
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "platform/MessageBox.h"
#include "platform/PowerOff.h"
#include "platform/QtTimers.h"
#include "platform/Sound.h"
#include "shutdown/ui/ShutdownWarnDlg.h"

namespace {

using namespace tocklet;
using Steady = std::chrono::steady_clock;

struct Silent final : Sound {
    void PlayAsync(std::string_view, bool) override {}
};
struct NoBoxes final : MessageBoxes {
    int Show(std::string_view, std::optional<std::string_view>, MbButtons, MbIcon) override {
        return kIdOk;
    }
};
// Instead of powering off, closes the countdown once its last tick has run.
struct CloseInstead final : PowerOff {
    QDialog* dialog = nullptr;
    void RequestPowerOff() override {
        QTimer::singleShot(0, dialog, [d = dialog] { d->reject(); });
    }
};
// Passes everything to the real timers and notes when each countdown tick arrives.
struct Recording final : Timers {
    explicit Recording(Timers& inner) : inner_(inner) {}
    void SetHandler(TickHandler handler) override {
        inner_.SetHandler([this, handler](int id, const TickSeconds& s) {
            if (id == kCountdownTimer) ticks.push_back(Steady::now());
            if (handler) handler(id, s);
        });
    }
    void Set(int id, int ms) override {
        if (id == kCountdownTimer) start = Steady::now();
        inner_.Set(id, ms);
    }
    void Kill(int id) override { inner_.Kill(id); }
    Steady::time_point start;
    std::vector<Steady::time_point> ticks;

private:
    Timers& inner_;
};

double Ms(Steady::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
    SystemClock clock;
    std::printf("run  ticks  drift_ms  worst_gap_ms  mean_gap_ms\n");
    for (int run = 1; run <= runs; ++run) {
        QtTimers panelTimers(clock), countdownTimers(clock);
        Recording recording(countdownTimers);
        Silent sound;
        NoBoxes boxes;
        CloseInstead powerOff;
        CShutdownWarnDlg dlg(CountdownServices{recording, sound, boxes, powerOff,
                                               [] { return SettingsReport{}; },
                                               [] { return true; }});
        powerOff.dialog = &dlg;
        QWidget panel;
        int seconds = 0;
        panelTimers.SetHandler([&](int, const TickSeconds&) {
            panel.setWindowTitle(QString::number(++seconds));
            if (seconds != 5) return;
            QDialog reminder;
            QTimer::singleShot(5000, &reminder, &QDialog::accept);
            reminder.exec();
        });
        panelTimers.Set(1, 1000);
        if (dlg.DoModal() != kIdOk) {
            // Nobody presses a key during the run: the countdown ran out, and its ticks are
            // what is measured, however it closed.
        }
        panelTimers.Kill(1);
        const auto& t = recording.ticks;
        if (t.size() != kCountdownTicks) {
            std::printf("%3d  %5zu  (countdown did not finish)\n", run, t.size());
            continue;
        }
        double worst = Ms(t.front() - recording.start);
        for (std::size_t i = 1; i < t.size(); ++i) worst = std::max(worst, Ms(t[i] - t[i - 1]));
        std::printf("%3d  %5zu  %8.1f  %12.1f  %11.2f\n", run, t.size(),
                    Ms(t.back() - recording.start) - 30000.0, worst,
                    Ms(t.back() - recording.start) / kCountdownTicks);
    }
    return 0;
}
