// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The main panel's start-up, timers, notification icon and keys, driven through fakes.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "PanelHarness.h"

namespace tocklet::testing {
namespace {

using Call = FakeTimers::Call;

TEST(MainPanel, CreationStartsTheSecondHideAndAlignTimers) {
    PanelHarness h;
    h.StoreTasks({Gb("1110,30_|开会")});
    h.Start();
    EXPECT_EQ(h.timers.calls,
              (std::vector<Call>{{true, 1, 1000}, {true, 4, 800}, {true, 5, 1000}}));
}

TEST(MainPanel, HidesOnTheFirstTickOfTheHideTimer) {
    PanelHarness h;
    h.StoreTasks({Gb("1110,30_|开会")});
    CMainPanelDlg& panel = h.Start();
    panel.show();
    ASSERT_TRUE(panel.isVisible());
    h.timers.Fire(kTimerHide);
    EXPECT_FALSE(panel.isVisible());
    EXPECT_FALSE(h.timers.IsRunning(kTimerHide));
}

TEST(MainPanel, TitleShowsTheTimeOfEachSecond) {
    PanelHarness h;
    h.StoreTasks({Gb("1110,30_|开会")});
    h.Start();
    h.TickSecond();
    EXPECT_EQ(h.Title(), Gb("超级守时鸟  10:28:57"));
    h.clock.Advance(std::chrono::seconds(1));
    h.TickSecond();
    EXPECT_EQ(h.Title(), Gb("超级守时鸟  10:28:58"));
    EXPECT_EQ(h.Title().substr(h.Title().size() - 8), "10:28:58");
}

TEST(MainPanel, HiddenPanelKeepsTitleTextAndShowsTheTimeNowWhenShown) {
    PanelHarness h;
    h.StoreTasks({Gb("1110,30_|开会")});
    CMainPanelDlg& panel = h.Start();
    const QString before = panel.windowTitle();
    h.TickSecond();
    h.clock.Advance(std::chrono::seconds(1));
    h.TickSecond();
    // Kept, but not written to the hidden window.
    EXPECT_EQ(h.Title(), Gb("超级守时鸟  10:28:58"));
    EXPECT_EQ(panel.windowTitle(), before);
    // Shown three seconds after the last tick: the time now, at once.
    h.clock.Advance(std::chrono::seconds(3));
    panel.show();
    EXPECT_EQ(ToGb(panel.windowTitle()), Gb("超级守时鸟  10:29:01"));
    h.TickSecond();
    EXPECT_EQ(ToGb(panel.windowTitle()), Gb("超级守时鸟  10:29:01"));
    h.clock.Advance(std::chrono::seconds(1));
    h.TickSecond();
    EXPECT_EQ(ToGb(panel.windowTitle()), Gb("超级守时鸟  10:29:02"));
    panel.hide();
}

TEST(MainPanel, TaskCheckStartsOnlyAtTheFirstWholeMinute) {
    PanelHarness h;
    h.StoreTasks({Gb("1110,30_|开会")});
    h.Start();
    for (int s = 57; s <= 59; ++s) {
        h.timers.Fire(kTimerAlign);
        EXPECT_FALSE(h.timers.IsRunning(kTimerTaskCheck)) << "second " << s;
        h.clock.Advance(std::chrono::seconds(1));
    }
    h.timers.Fire(kTimerAlign);  // 10:29:00
    EXPECT_TRUE(h.timers.IsRunning(kTimerTaskCheck));
    EXPECT_EQ(h.timers.running.at(kTimerTaskCheck), 60000);
    EXPECT_FALSE(h.timers.IsRunning(kTimerAlign));
}

TEST(MainPanel, AHeldUpAlignTickStillCountsForSecondZero) {
    PanelHarness h;
    h.StoreTasks({Gb("1110,30_|开会")});
    h.Start();
    h.clock.Advance(std::chrono::seconds(4));  // 10:29:01
    const auto now = std::chrono::floor<std::chrono::seconds>(h.clock.Now().time_since_epoch());
    h.timers.Fire(kTimerAlign, TickSeconds{now.count() - 2, 1, 1});  // stands for 10:28:59
    EXPECT_FALSE(h.timers.IsRunning(kTimerTaskCheck));
    // Held up past 10:29:00, the next tick covers it and the one after.
    h.timers.Fire(kTimerAlign, TickSeconds{now.count() - 1, 2, 1});
    EXPECT_TRUE(h.timers.IsRunning(kTimerTaskCheck));
    EXPECT_FALSE(h.timers.IsRunning(kTimerAlign));
}

TEST(MainPanel, StartUpShowsTheStoredSettings) {
    PanelHarness h;
    h.StoreTasks({Gb("1110,30_|开会"), Gb("1110,31_|x")});
    h.registry.Put(kProgramKey, "ClockOpen", "1");
    h.registry.Put(kProgramKey, "music", Stored("1", 2));
    h.registry.Put(kProgramKey, "CloseHour", Stored("21:30:0", 10));
    h.registry.Put(kProgramKey, "Repeat", Stored("3", 3));
    h.registry.Put(kProgramKey, "DelayTime", Stored("15", 3));
    h.registry.Put(kProgramKey, "Status", Stored("1", 2));
    h.registry.Put(kCvKey, "RegisteredOwner", Stored("Alice", 16));
    h.registry.Put(kCvKey, "RegisteredOrganization", Stored("Acme", 30));
    CMainPanelDlg& p = h.Start();
    EXPECT_TRUE(h.boxes.shown.empty()) << h.boxes.shown.front().text;
    EXPECT_EQ(ToGb(ControlAs<QLabel>(&p, kIdBanner)->text()), "Acme -- Alice");
    EXPECT_EQ(ToGb(ControlAs<QLineEdit>(&p, kIdShutdownTime)->text()), "21:30:0");
    EXPECT_EQ(p.PresetShutdownTime().m_nHour, 21);
    EXPECT_EQ(p.PresetShutdownTime().m_nMinute, 30);
    EXPECT_EQ(p.PresetShutdownTime().m_nSecond, 0);
    EXPECT_TRUE(ControlAs<QCheckBox>(&p, kIdChimeOn)->isChecked());
    EXPECT_TRUE(ControlAs<QCheckBox>(&p, kIdChimeSound)->isChecked());
    EXPECT_TRUE(ControlAs<QCheckBox>(&p, kIdChimeSound)->isEnabled());
    EXPECT_FALSE(ControlAs<QCheckBox>(&p, kIdChimeText)->isChecked());
    EXPECT_TRUE(ControlAs<QCheckBox>(&p, kIdMonitoring)->isChecked());
    EXPECT_TRUE(ControlAs<QAbstractButton>(&p, kIdLaunchNormal)->isChecked());
    EXPECT_EQ(ToGb(ControlAs<QLabel>(&p, kIdTaskCountText)->text()), "2");
    EXPECT_EQ(ToGb(ControlAs<QLabel>(&p, kIdRepeatText)->text()), "3");
    EXPECT_EQ(ToGb(ControlAs<QLabel>(&p, kIdDelayText)->text()), "15");
    EXPECT_EQ(p.Tasks().Tables().m_dailyTasks.count, 2);
}

TEST(MainPanel, ChimeOffDisablesItsSubordinateBoxes) {
    PanelHarness h;
    h.StoreTasks({Gb("1110,30_|开会")});
    h.registry.Put(kProgramKey, "ClockOpen", "0");
    h.registry.Put(kProgramKey, "word", Stored("1", 3));
    CMainPanelDlg& p = h.Start();
    EXPECT_FALSE(ControlAs<QCheckBox>(&p, kIdChimeSound)->isEnabled());
    EXPECT_FALSE(ControlAs<QCheckBox>(&p, kIdChimeText)->isEnabled());
    EXPECT_TRUE(ControlAs<QCheckBox>(&p, kIdChimeText)->isChecked());
}

TEST(MainPanel, EmptyTaskListIsAnnouncedOnce) {
    PanelHarness h;
    h.StoreTasks({});
    h.Start();
    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_EQ(h.boxes.shown[0].text, Gb(" 当前没有任何可以执行的任务,如果您是一个新用户,\n"
                                        "   请在主窗口中点击<添加任务>按钮添加新任务.\n"
                                        "    注意：新任务至少要二分钟后才会响应! "));
    EXPECT_EQ(h.boxes.shown[0].caption, Gb("守时鸟向您提示"));
    EXPECT_EQ(h.boxes.shown[0].icon, MbIcon::Question);
    EXPECT_EQ(ToGb(ControlAs<QLabel>(h.panel.get(), kIdTaskCountText)->text()), "0");
}

TEST(MainPanel, MissingProgramKeyGivesTheMessagesInOrder) {
    PanelHarness h;
    h.registry.FailOpenForRead(kProgramKey, kRegFileNotFound);
    h.Start();
    const std::string broken = Gb(" 注册表已经损坏");
    EXPECT_EQ(h.boxes.Texts(),
              (std::vector<std::string>{h.boxes.shown.at(0).text, broken, broken, broken, broken}));
    EXPECT_EQ(h.boxes.shown[0].caption, Gb("守时鸟向您提示"));
    EXPECT_EQ(h.boxes.shown[1].caption, "tocklet");
}

TEST(MainPanel, FirstRunMarksItselfAndRegistersAutostart) {
    PanelHarness h;
    h.StoreTasks({Gb("1110,30_|开会")});
    h.registry.Remove(kCvKey, "new");
    Soon([&h] { QTest::keyClick(DialogOf<CFirstPasswordDlg>(*h.panel), Qt::Key_Escape); });
    h.Start();
    EXPECT_EQ(h.registry.Get(kCvKey, "new"), Stored("1", 2));
    EXPECT_EQ(h.registry.Get(kRunKeyPath, "ZidezArudiva"), Stored(h.self.path, 128));
    EXPECT_EQ(h.autostart.registered, std::vector<std::string>{h.self.path});

    PanelHarness second;  // "new" is stored: nothing is written again
    second.StoreTasks({Gb("1110,30_|开会")});
    second.Start();
    EXPECT_FALSE(second.registry.Get(kRunKeyPath, "ZidezArudiva").has_value());
    EXPECT_TRUE(second.autostart.registered.empty());
}

TEST(MainPanel, AStartAtLogInThatCannotBeRegisteredIsSaidOnce) {
    const std::string said =
        Gb(" 未能设置登录桌面时自动启动守时鸟,\n 以后请在登录后自己启动守时鸟. ");
    PanelHarness h;
    h.StoreTasks({Gb("1110,30_|开会")});
    h.registry.Remove(kCvKey, "new");
    h.autostart.failure = "Permission denied";
    Soon([&h] { QTest::keyClick(DialogOf<CFirstPasswordDlg>(*h.panel), Qt::Key_Escape); });
    ::testing::internal::CaptureStderr();
    h.Start();
    const std::string stderrText = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(h.boxes.Texts(), std::vector<std::string>{said});
    EXPECT_EQ(h.boxes.shown.at(0).caption, Gb("守时鸟向您提示"));
    EXPECT_EQ(h.boxes.shown.at(0).icon, MbIcon::Question);
    EXPECT_NE(stderrText.find("tocklet: cannot register the start at log-in: " + h.autostart.entry +
                              ": Permission denied"),
              std::string::npos)
        << stderrText;

    // The first run is over: the next start neither tries again nor says it again.
    EXPECT_EQ(h.registry.Get(kCvKey, "new"), Stored("1", 2));
    PanelHarness second;  // "new" stored, as the first run left it
    second.StoreTasks({Gb("1110,30_|开会")});
    second.autostart.failure = "Permission denied";
    second.Start();
    EXPECT_TRUE(second.autostart.registered.empty());
    EXPECT_TRUE(second.boxes.shown.empty());
}

TEST(MainPanel, TrayIconFollowsMonitoringAndTogglesThePanel) {
    PanelHarness h;
    h.StoreTasks({Gb("1110,30_|开会")});
    CMainPanelDlg& p = h.Start();
    EXPECT_TRUE(h.tray.shown);
    EXPECT_EQ(h.tray.iconId, 120);
    EXPECT_EQ(h.tray.tip, Gb("守时鸟正在工作"));

    EXPECT_TRUE(p.OnCommand(kCmdPauseMonitoring));
    EXPECT_FALSE(p.IsMonitoring());
    EXPECT_FALSE(ControlAs<QCheckBox>(&p, kIdMonitoring)->isChecked());
    EXPECT_EQ(h.tray.iconId, 121);
    EXPECT_EQ(h.tray.tip, Gb("守时鸟暂时停止监控"));
    EXPECT_TRUE(p.OnCommand(kCmdResumeMonitoring));
    EXPECT_EQ(h.tray.iconId, 120);
    EXPECT_TRUE(ControlAs<QCheckBox>(&p, kIdMonitoring)->isChecked());

    ControlAs<QCheckBox>(&p, kIdMonitoring)->click();  // the check box itself
    EXPECT_FALSE(p.IsMonitoring());
    EXPECT_EQ(h.tray.iconId, 121);

    h.tray.Press(TrayButton::Left);
    EXPECT_TRUE(p.isVisible());
    h.tray.Press(TrayButton::Left);
    EXPECT_FALSE(p.isVisible());
    EXPECT_TRUE(p.OnCommand(kCmdShowPanel));
    EXPECT_TRUE(p.isVisible());
    p.RemoveTrayIcon();
    EXPECT_FALSE(h.tray.shown);
}

TEST(MainPanel, RightClickOpensTheIconMenuWithItsFirstItemBold) {
    PanelHarness h;
    h.StoreTasks({Gb("1110,30_|开会")});
    CMainPanelDlg& p = h.Start();
    h.tray.Press(TrayButton::Right);
    QMenu* open = nullptr;
    for (QMenu* m : p.findChildren<QMenu*>()) {
        if (m->isVisible()) open = m;
    }
    ASSERT_NE(open, nullptr);
    const QList<QAction*> items = open->actions();
    ASSERT_GE(items.size(), 10);
    EXPECT_EQ(ToGb(items[0]->text()), Gb(" 系统参数设置"));
    EXPECT_TRUE(items[0]->font().bold());
    EXPECT_FALSE(items[1]->font().bold());
    open->hide();

    items[5]->trigger();  // " 暂停监控" arrives as a command of the panel
    EXPECT_FALSE(p.IsMonitoring());
}

TEST(MainPanel, CloseBoxHidesAndEnterDoesNothing) {
    PanelHarness h;
    h.StoreTasks({Gb("1110,30_|开会")});
    CMainPanelDlg& p = h.Start();
    p.show();
    QTest::keyClick(&p, Qt::Key_Return);
    QTest::keyClick(&p, Qt::Key_Enter);
    EXPECT_TRUE(p.isVisible());
    p.close();
    EXPECT_FALSE(p.isVisible());
    EXPECT_EQ(h.self.instancesStarted, 0);
}

TEST(MainPanel, EscapeEndsTheLoopAsCancelAndRestartEndsItAsOk) {
    PanelHarness h;
    h.StoreTasks({Gb("1110,30_|开会")});
    h.Build();
    Soon([&] {
        QTest::keyClick(h.panel.get(), Qt::Key_Return);
        QTest::keyClick(h.panel.get(), Qt::Key_Escape);
    });
    EXPECT_EQ(h.panel->DoModal(), kIdCancel);
    EXPECT_EQ(h.self.instancesStarted, 1);  // the fresh instance, started before the end
    EXPECT_FALSE(h.tray.shown);

    PanelHarness again;
    again.StoreTasks({Gb("1110,30_|开会")});
    again.Build();
    Soon([&] {
        again.timers.Fire(kTimerHide);  // hiding must not end the loop
        again.panel->RestartSelf();
    });
    EXPECT_EQ(again.panel->DoModal(), kIdOk);
    EXPECT_EQ(again.self.instancesStarted, 1);
}

}  // namespace
}  // namespace tocklet::testing
