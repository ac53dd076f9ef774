// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The panel's minute task check and one-second chime: what fires, in which order, and that
// the ticks go on while a pop-up opened by a tick stands open.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>

#include "PanelHarness.h"

namespace tocklet::testing {
namespace {

using namespace std::chrono_literals;

std::vector<std::string> ReminderLines(CReminderDlg* r) {
    std::vector<std::string> lines;
    for (int id : kReminderLineIds) lines.push_back(ToGb(ControlAs<QLabel>(r, id)->text()));
    return lines;
}

// The open pop-up whose first line is text.
CReminderDlg* ReminderSaying(const std::string& text) {
    for (CReminderDlg* r : OpenReminders()) {
        if (ReminderLines(r)[0] == text) return r;
    }
    return nullptr;
}

// Acknowledges every pop-up as it appears (one at a time), noting its first line and how
// many pop-ups stood open then.
struct Acknowledger {
    std::vector<std::string> seen;
    std::size_t mostOpen = 0;
    QTimer timer;
    Acknowledger() {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto open = OpenReminders();
            mostOpen = std::max(mostOpen, open.size());
            if (open.empty()) return;
            seen.push_back(ReminderLines(open.back())[0]);
            Acknowledge(open.back());
        });
        timer.start();
    }
};

TEST(PanelTicks, DueTasksFireInTableOrderOnePopUpAtATime) {
    PanelHarness h;
    h.StoreTasks({Gb("1310,30_2|weekly"), Gb("1210,30_12.7|date"), Gb("1110,30_|开会"),
                  Gb("1110,31_|later"), Gb("0110,30_|/opt/tools/backup.sh")});
    h.Start();
    h.clock.SetLocal(2026, 12, 7, 10, 30, 0);  // a Monday
    Acknowledger ack;
    h.timers.Fire(kTimerTaskCheck);
    EXPECT_EQ(ack.seen, (std::vector<std::string>{Gb("开会"), "date", "weekly"}));
    EXPECT_EQ(ack.mostOpen, 1u);
    EXPECT_EQ(h.sound.played.size(), 3u);
    EXPECT_EQ(h.sound.played[0], (FakeSound::Played{"clock.wav", false}));
    ASSERT_EQ(h.launcher.started.size(), 1u);
    EXPECT_EQ(h.launcher.started[0],
              (FakeProgramLauncher::Started{"/opt/tools", "backup.sh", ShowMode::Minimised}));
}

TEST(PanelTicks, WeekdayDigitsCountFromSunday) {
    PanelHarness h;
    h.StoreTasks({Gb("138,0_1|sun"), Gb("138,0_2|mon"), Gb("138,0_7|sat")});
    h.Start();
    Acknowledger ack;
    for (int day : {6, 7, 12}) {  // 6 Dec 2026 is a Sunday, 12 Dec a Saturday
        h.clock.SetLocal(2026, 12, day, 8, 0, 0);
        h.timers.Fire(kTimerTaskCheck);
    }
    EXPECT_EQ(ack.seen, (std::vector<std::string>{"sun", "mon", "sat"}));
}

TEST(PanelTicks, PausedMonitoringFiresNothingButTheTitleRuns) {
    PanelHarness h;
    h.StoreTasks({Gb("1110,30_|开会"), Gb("0110,30_|/bin/x")});
    CMainPanelDlg& p = h.Start();
    EXPECT_TRUE(p.OnCommand(kCmdPauseMonitoring));
    h.clock.SetLocal(2026, 12, 7, 10, 30, 0);
    h.timers.Fire(kTimerTaskCheck);
    h.TickSecond();
    EXPECT_TRUE(h.sound.played.empty());
    EXPECT_TRUE(h.launcher.started.empty());
    EXPECT_EQ(h.Title(), Gb("超级守时鸟  10:30:00"));
}

TEST(PanelTicks, NormalWindowChoiceReachesTheLauncher) {
    PanelHarness h;
    h.StoreTasks({Gb("0110,30_|/usr/local/bin/tool")});
    h.registry.Put(kProgramKey, "Status", Stored("1", 2));
    h.Start();
    h.clock.SetLocal(2026, 12, 7, 10, 30, 0);
    h.timers.Fire(kTimerTaskCheck);
    ASSERT_EQ(h.launcher.started.size(), 1u);
    EXPECT_EQ(h.launcher.started[0].show, ShowMode::Normal);
}

TEST(PanelTicks, TicksGoOnUnderAnOpenReminder) {
    PanelHarness h;
    h.StoreTasks({Gb("1110,30_|first"), Gb("1110,31_|second")});
    h.Start();
    h.clock.SetLocal(2026, 12, 7, 10, 30, 0);
    std::vector<std::string> titles;
    std::size_t openUnderSecond = 0;
    Soon([&] {
        // Inside the first pop-up: the title clock runs on ...
        h.clock.Advance(1s);
        h.TickSecond();
        titles.push_back(h.Title());
        // ... and the next minute's check opens its pop-up above the first.
        h.clock.SetLocal(2026, 12, 7, 10, 31, 0);
        Soon([&] {
            openUnderSecond = OpenReminders().size();
            Acknowledge(ReminderSaying("second"));
        });
        h.timers.Fire(kTimerTaskCheck);
        Acknowledge(ReminderSaying("first"));
    });
    h.timers.Fire(kTimerTaskCheck);
    EXPECT_EQ(titles, std::vector<std::string>{Gb("超级守时鸟  10:30:01")});
    EXPECT_EQ(openUnderSecond, 2u);
    EXPECT_TRUE(OpenReminders().empty());
}

TEST(PanelTicks, ReminderBreaksItsTextIntoLines) {
    PanelHarness h;
    std::string text;
    for (int i = 0; i < 33; ++i) text += Gb("会");
    h.StoreTasks({Gb("1110,30_|") + text});
    h.Start();
    h.clock.SetLocal(2026, 12, 7, 10, 30, 0);
    std::vector<std::string> lines;
    std::string heading;
    Soon([&] {
        auto open = OpenReminders();
        lines = ReminderLines(open.back());
        heading = ToGb(ControlAs<QLabel>(open.back(), kReminderHeadingId)->text());
        EXPECT_EQ(ToGb(open.back()->windowTitle()), "Hi");
        Acknowledge(open.back());
    });
    h.timers.Fire(kTimerTaskCheck);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].size(), 30u);
    EXPECT_EQ(lines[1].size(), 30u);
    EXPECT_EQ(lines[2].size(), 6u);
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(heading, Gb("-Hi,不知您是否记得,此时-"));
}

TEST(PanelTicks, ChimeAnnouncesTheFullHour) {
    for (int hour : {0, 21}) {
        PanelHarness h;
        h.StoreTasks({Gb("1110,30_|开会")});
        h.registry.Put(kProgramKey, "ClockOpen", "1");
        h.registry.Put(kProgramKey, "music", Stored("1", 2));
        h.registry.Put(kProgramKey, "word", Stored("1", 3));
        CMainPanelDlg& p = h.Start();
        EXPECT_TRUE(p.OnCommand(kCmdPauseMonitoring));  // the chime does not depend on monitoring
        h.clock.SetLocal(2026, 12, 7, hour, 0, 0);
        h.TickSecond();
        ASSERT_EQ(h.boxes.shown.size(), 1u);
        EXPECT_EQ(h.boxes.shown[0].text, Gb("北京时间 " + std::to_string(hour) + "  点整 "));
        EXPECT_EQ(h.boxes.shown[0].caption, Gb("整 点 提 醒"));
        EXPECT_EQ(h.boxes.shown[0].icon, MbIcon::Question);
        EXPECT_EQ(h.sound.played, (std::vector<FakeSound::Played>{{"clock.wav", false}}));
        h.clock.Advance(1s);
        h.TickSecond();
        EXPECT_EQ(h.boxes.shown.size(), 1u);
    }
}

TEST(PanelTicks, AHeldUpTickStillChimesTheSecondItCovers) {
    PanelHarness h;
    h.StoreTasks({Gb("1110,30_|开会")});
    h.registry.Put(kProgramKey, "ClockOpen", "1");
    h.registry.Put(kProgramKey, "word", Stored("1", 3));
    h.Start();
    h.clock.SetLocal(2026, 12, 7, 11, 0, 2);
    const auto now = std::chrono::floor<std::chrono::seconds>(h.clock.Now().time_since_epoch());
    h.timers.Fire(kTimerSecond, TickSeconds{now.count() - 3, 4, 1});  // 10:59:59 .. 11:00:02
    EXPECT_EQ(h.boxes.Texts(), std::vector<std::string>{Gb("北京时间 11  点整 ")});
    EXPECT_EQ(h.Title(), Gb("超级守时鸟  11:00:02"));
}

TEST(PanelTicks, ChimeSwitchFromTheMenusLeavesTheSubBoxesAlone) {
    PanelHarness h;
    h.StoreTasks({Gb("1110,30_|开会")});
    CMainPanelDlg& p = h.Start();
    ASSERT_FALSE(ControlAs<QCheckBox>(&p, kIdChimeSound)->isEnabled());
    EXPECT_TRUE(p.OnCommand(kCmdToggleChime));
    EXPECT_TRUE(p.Settings().m_bChimeOn);
    EXPECT_TRUE(ControlAs<QCheckBox>(&p, kIdChimeOn)->isChecked());
    EXPECT_FALSE(ControlAs<QCheckBox>(&p, kIdChimeSound)->isEnabled());
    EXPECT_TRUE(p.OnCommand(kCmdToggleChimeMenu));
    EXPECT_FALSE(p.Settings().m_bChimeOn);
    EXPECT_FALSE(ControlAs<QCheckBox>(&p, kIdChimeOn)->isChecked());
    EXPECT_EQ(h.boxes.Texts(),
              (std::vector<std::string>{
                  Gb("    整点报时现在已经启动!\n     再次点击关闭此项功能.   "),
                  Gb("       整点报时现在被关闭!\n      再次点击打开此项功能.      ")}));
    EXPECT_EQ(h.boxes.shown[0].caption, Gb("守时鸟向您提示"));

    ControlAs<QCheckBox>(&p, kIdChimeOn)->click();  // the box itself: no message
    EXPECT_EQ(h.boxes.shown.size(), 2u);
    EXPECT_TRUE(p.Settings().m_bChimeOn);
    EXPECT_TRUE(ControlAs<QCheckBox>(&p, kIdChimeSound)->isEnabled());
    ControlAs<QCheckBox>(&p, kIdChimeSound)->click();
    EXPECT_TRUE(p.Settings().m_bChimeSound);
}

}  // namespace
}  // namespace tocklet::testing
