// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// A main panel wired to fakes, with the stored state of an installed program.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/DialogBuilder.h"
#include "fakes/FakeAutostart.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeClockWatch.h"
#include "fakes/FakeDefaultApps.h"
#include "fakes/FakeLaunchers.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakePowerOff.h"
#include "fakes/FakeProfile.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeShellOpen.h"
#include "fakes/FakeSound.h"
#include "fakes/FakeTimers.h"
#include "fakes/FakeTopLevelWindows.h"
#include "fakes/FakeTrayIcon.h"
#include "fakes/FakeWindowChanges.h"
#include "platform/QtText.h"
#include "shell/MainPanelDlg.h"
#include "store/Text.h"
#include "tasks/ui/ReminderDlg.h"

namespace tocklet::testing {

inline constexpr const char* kProgramKey = "Software\\Microsoft\\Windows\\tocklet";
inline constexpr const char* kCvKey = "Software\\Microsoft\\Windows\\CurrentVersion";
inline constexpr const char* kRunKeyPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

/// Stored form of a small value: text, zero byte, zeros up to count.
inline std::string Stored(std::string_view text, std::size_t count) {
    std::string s(text.substr(0, count));
    s.resize(count, '\0');
    return s;
}

struct PanelHarness {
    FakeRegistry registry;
    FakeProfile profile;
    FakeMessageBoxes boxes;
    FakeClock clock;
    FakeTimers timers;
    FakeSound sound;
    FakeProgramLauncher launcher;
    FakeSelfLauncher self;
    FakeTrayIcon tray;
    FakeAutostart autostart;
    FakeShellOpen shell;
    FakeTopLevelWindows windows;
    TopLevelWindows* desktop = &windows;  ///< the desktop the panel's guard looks at
    FakeTimers clockTimers;
    FakeDefaultApps defaultApps;
    FakePowerOff powerOff;
    FakeTimers countdownTimers;
    FakeWindowChanges windowChanges;
    WindowChanges* changes = &windowChanges;  ///< the guard's word of changed windows
    FakeClockWatch clockSet;
    FakeClockWatch sleep;
    std::unique_ptr<CMainPanelDlg> panel;

    PanelHarness() {
        registry.AddKey(kProgramKey);
        registry.AddKey(kCvKey);
        registry.AddKey(kRunKeyPath);
        registry.Put(kCvKey, "new", Stored("1", 2));
        for (const char* name : {"Repeat", "DelayTime"})
            registry.Put(kProgramKey, name, Stored("0", 3));
        registry.Put(kProgramKey, "Status", Stored("0", 2));
        clock.SetLocal(2026, 12, 7, 10, 28, 57);
    }

    /// Stores the task list (code page 936 records, value numbers from 1).
    void StoreTasks(const std::vector<std::string>& records) {
        for (std::size_t i = 0; i < records.size(); ++i) {
            registry.Put(kProgramKey, std::to_string(i + 1), Stored(records[i], 100));
        }
        registry.Put(kProgramKey, "happen", Stored(std::to_string(records.size()), 3));
    }

    /// Builds the panel without creating or starting it.
    CMainPanelDlg& Build() {
        panel = std::make_unique<CMainPanelDlg>(
            PanelServices{registry, profile, boxes, clock, timers, sound, launcher, self, tray,
                          autostart, shell, *desktop, clockTimers, defaultApps, powerOff,
                          countdownTimers, *changes, clockSet, sleep});
        return *panel;
    }

    /// Builds the panel and runs its creation and start-up sequence.
    CMainPanelDlg& Start() {
        Build();
        panel->OnCreate();
        panel->OnInitDialog();
        return *panel;
    }

    /// One tick of timer 1 for the clock's current second.
    void TickSecond() {
        const auto s = std::chrono::floor<std::chrono::seconds>(clock.Now().time_since_epoch());
        timers.Fire(kTimerSecond, TickSeconds{s.count(), 1, 1});
    }

    /// The title clock's text (the window shows it while the panel is shown).
    std::string Title() const { return panel->WindowTitleText(); }
};

/// The reminder pop-ups open now, in no particular order.
inline std::vector<CReminderDlg*> OpenReminders() {
    std::vector<CReminderDlg*> open;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* r = qobject_cast<CReminderDlg*>(w); r && r->isVisible()) open.push_back(r);
    }
    return open;
}

/// Presses "谢谢提醒" on a reminder.
inline void Acknowledge(CReminderDlg* reminder) {
    if (!reminder) return;
    if (auto* b = ControlAs<QAbstractButton>(reminder, kReminderThanksId)) b->click();
}

/// The panel's own dialog of type D (the password prompt, the add-task dialog, ...).
template <typename D>
D* DialogOf(QWidget& panel) {
    D* dialog = panel.findChild<D*>();
    EXPECT_NE(dialog, nullptr);
    return dialog;
}

/// Runs the task check at 10:30, answering each reminder as it opens; their first lines.
inline std::vector<std::string> FiredAtHalfPastTen(PanelHarness& h) {
    h.clock.SetLocal(2026, 12, 7, 10, 30, 0);
    std::vector<std::string> seen;
    QTimer answer;
    answer.setInterval(5);
    QObject::connect(&answer, &QTimer::timeout, [&seen] {
        for (CReminderDlg* r : OpenReminders()) {
            seen.push_back(ToGb(ControlAs<QLabel>(r, kReminderLineIds[0])->text()));
            Acknowledge(r);
        }
    });
    answer.start();
    h.timers.Fire(kTimerTaskCheck);
    return seen;
}

/// Runs fn once the event loop is reached (inside a modal pop-up, for example).
inline void Soon(std::function<void()> fn) { QTimer::singleShot(0, qApp, std::move(fn)); }

}  // namespace tocklet::testing
