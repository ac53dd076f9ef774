// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The one-second tick asleep until its next work, and the panel across clock changes and a
// resume from sleep: the missed message reminders shown late with their due time, nothing
// else carried out late, and no minute checked twice.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTimer>

#include "PanelHarness.h"

namespace tocklet::testing {
namespace {

std::int64_t EpochOf(int year, int month, int day, int hour, int minute, int second) {
    std::tm tm = CalendarTime(year, month, day, hour, minute, second);
    return static_cast<std::int64_t>(timegm(&tm));
}

struct Settings {
    const char* what;
    const char* chime;     ///< "ClockOpen"
    const char* shutdown;  ///< "CloseHour"
    bool paused = false;
    bool protection = false;
    bool clock = false;
    bool shown = false;
    std::int64_t sleepUntil = 0;  ///< 0: every second
};

TEST(PanelSleep, TheTickSleepsUntilItsNextWorkUnlessSomethingShowsEverySecond) {
    // The harness's clock reads 2026-12-07 10:28:57 (local time is UTC in the fake).
    const Settings cases[] = {
        {"nothing due: an hour", "0", "-1:-1:-1", false, false, false, false,
         EpochOf(2026, 12, 7, 11, 28, 58)},
        {"the chime: the full hour", "1", "-1:-1:-1", false, false, false, false,
         EpochOf(2026, 12, 7, 11, 0, 0)},
        {"the power-off second", "0", "10:40:5", false, false, false, false,
         EpochOf(2026, 12, 7, 10, 40, 5)},
        {"the earlier of both", "1", "11:30:0", false, false, false, false,
         EpochOf(2026, 12, 7, 11, 0, 0)},
        {"paused: no power-off", "0", "10:40:5", true, false, false, false,
         EpochOf(2026, 12, 7, 11, 28, 58)},
        {"protection on: the guard scans", "0", "-1:-1:-1", false, true, false, false, 0},
        {"the floating clock shown", "0", "-1:-1:-1", false, false, true, false, 0},
        {"the panel shown: its title clock", "1", "-1:-1:-1", false, false, false, true, 0},
    };
    for (const Settings& c : cases) {
        PanelHarness h;
        h.registry.Put(kProgramKey, "ClockOpen", Stored(c.chime, 2));
        h.registry.Put(kProgramKey, "music", Stored("1", 2));
        h.registry.Put(kProgramKey, "CloseHour", Stored(c.shutdown, 10));
        h.registry.Put(kCvKey, "UsePas", Stored(c.protection ? "1" : "0", 3));
        h.profile.Put("option", "clock", c.clock ? "1" : "0");
        h.StoreTasks({"1110,30_|meeting"});
        CMainPanelDlg& panel = h.Start();
        if (c.paused) panel.SetMonitoring(false);
        if (c.shown) panel.show();
        h.TickSecond();
        ASSERT_TRUE(h.timers.sleepUntil.count(kTimerSecond)) << c.what;
        EXPECT_EQ(h.timers.sleepUntil[kTimerSecond], c.sleepUntil) << c.what;
        panel.hide();
    }
}

// Closes every reminder as it appears, noting its first line and its title.
struct LateWatcher {
    std::vector<std::string> lines;
    std::vector<QString> titles;
    QTimer timer;
    LateWatcher() {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto open = OpenReminders();
            if (open.empty()) return;
            lines.push_back(ToGb(ControlAs<QLabel>(open.back(), kReminderLineIds[0])->text()));
            titles.push_back(open.back()->windowTitle());
            Acknowledge(open.back());
        });
        timer.start();
    }
};

TEST(PanelSleep, AfterAResumeOnlyTheMissedMessagesShowEachWithItsDueTime) {
    PanelHarness h;
    h.registry.Put(kProgramKey, "CloseHour", Stored("11:0:0", 10));
    h.StoreTasks({"1110,40_|missed", "0110,45_|/opt/backup", "1110,20_|before", "1113,0_|later"});
    CMainPanelDlg& panel = h.Start();
    h.clock.SetLocal(2026, 12, 7, 10, 30, 0);
    h.timers.Fire(kTimerTaskCheck);
    // Asleep from 10:30 to 12:30: the power-off second, the program and the reminder passed.
    h.clock.SetLocal(2026, 12, 7, 12, 30, 20);
    LateWatcher watcher;
    h.sleep.Emit(ClockWatch::Change::Resumed);
    EXPECT_EQ(h.timers.resumes, 1);
    EXPECT_EQ(watcher.lines, (std::vector<std::string>{"missed"}));
    ASSERT_EQ(watcher.titles.size(), 1u);
    EXPECT_TRUE(watcher.titles[0].endsWith(QString::fromUtf8("应于 2026-12-07 10:40")))
        << watcher.titles[0].toStdString();
    EXPECT_TRUE(h.launcher.started.empty());
    EXPECT_TRUE(h.countdownTimers.calls.empty());  // no countdown opened
    // The next minute goes on as usual and shows nothing twice.
    h.clock.SetLocal(2026, 12, 7, 12, 31, 0);
    h.timers.Fire(kTimerTaskCheck);
    EXPECT_EQ(watcher.lines.size(), 1u);
    EXPECT_TRUE(panel.IsMonitoring());
}

TEST(PanelSleep, ASleepBeforeTheFirstCheckCountsFromTheStart) {
    PanelHarness h;
    h.StoreTasks({"1110,29_|start-up minute", "1111,0_|missed"});
    h.Start();
    h.sleep.Emit(ClockWatch::Change::Sleeping);
    h.clock.SetLocal(2026, 12, 7, 12, 29, 40);
    LateWatcher watcher;
    h.sleep.Emit(ClockWatch::Change::Resumed);
    EXPECT_EQ(watcher.lines, (std::vector<std::string>{"missed"}));
}

TEST(PanelSleep, ClockSetBackDoesNotFireAMinuteTwiceAndWakesTheTimers) {
    PanelHarness h;
    h.StoreTasks({"1110,30_|once"});
    h.Start();
    LateWatcher watcher;
    for (int minute : {29, 30, 31}) {
        h.clock.SetLocal(2026, 12, 7, 10, minute, 0);
        h.timers.Fire(kTimerTaskCheck);
    }
    h.clock.SetLocal(2026, 12, 7, 10, 29, 0);
    h.clockSet.Emit(ClockWatch::Change::Set);
    EXPECT_EQ(h.timers.clockSets, 1);
    for (int minute : {29, 30, 31, 32}) {
        h.clock.SetLocal(2026, 12, 7, 10, minute, 0);
        h.timers.Fire(kTimerTaskCheck);
    }
    EXPECT_EQ(watcher.lines, (std::vector<std::string>{"once"}));
}

TEST(PanelSleep, PausedMinutesAreNotShownLate) {
    PanelHarness h;
    h.StoreTasks({"1110,40_|paused"});
    CMainPanelDlg& panel = h.Start();
    h.clock.SetLocal(2026, 12, 7, 10, 30, 0);
    h.timers.Fire(kTimerTaskCheck);
    panel.SetMonitoring(false);
    h.clock.SetLocal(2026, 12, 7, 12, 30, 20);
    LateWatcher watcher;
    h.sleep.Emit(ClockWatch::Change::Resumed);
    panel.SetMonitoring(true);
    h.clock.SetLocal(2026, 12, 7, 12, 31, 0);
    h.timers.Fire(kTimerTaskCheck);
    EXPECT_TRUE(watcher.lines.empty());
}

}  // namespace
}  // namespace tocklet::testing
