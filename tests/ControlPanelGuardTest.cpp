// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The panel's Control Panel guard: real windows of another program on a private X server, and
// a fake desktop for what a real one will not do on demand. Without word of changed windows
// (the harness's default) the guard looks once a second; with it, only when told.
#include <gtest/gtest.h>

#include <QEventLoop>

#include "PanelHarness.h"
#include "X11Targets.h"
#include "platform/X11TopLevelWindows.h"
#include "platform/X11WindowChanges.h"

namespace tocklet::testing {
namespace {

const std::string kNoAdmin = Gb("  非管理员不能进入控制面板 ");

// The panel started with protection on or off, with one task so that start-up says nothing.
CMainPanelDlg& Start(PanelHarness& h, bool protection, TopLevelWindows* desktop = nullptr) {
    if (desktop) h.desktop = desktop;
    h.StoreTasks({"1110,30_|x"});
    h.registry.Put(kCvKey, "UsePas", Stored(protection ? "1" : "0", 3));
    return h.Start();
}

TEST(ControlPanelGuard, ClosesExactTitlesOnlyOnceProtectionIsOn) {
    X11TopLevelWindows x11;
    PanelHarness h;
    TargetWindow a("控制面板"), b("控制面板", "--wm-name-only");
    TargetWindow blank("控制面板 "), prefixed("打开控制面板"), latin("Control Panel");
    CMainPanelDlg& p = Start(h, false, &x11);
    h.TickSecond();
    EXPECT_EQ(a.CloseRequests() + b.CloseRequests(), 0);  // protection off touches nothing
    ControlAs<QAbstractButton>(&p, kIdUsePassword)->click();
    EXPECT_EQ(h.windowChanges.starts, 1);  // no word of changes to be had: the tick looks
    h.TickSecond();
    EXPECT_EQ(a.CloseRequests(), 1);
    EXPECT_EQ(b.CloseRequests(), 1);
    EXPECT_EQ(blank.CloseRequests() + prefixed.CloseRequests() + latin.CloseRequests(), 0);
    EXPECT_EQ(h.boxes.Texts(), std::vector<std::string>(2, kNoAdmin));
}

TEST(ControlPanelGuard, RefusingWindowIsAskedAgainOnlyAfterItsMessageWasAnswered) {
    X11TopLevelWindows x11;
    PanelHarness h;
    TargetWindow stubborn("控制面板", "--refuse");
    Start(h, true, &x11);
    // Three ticks while the first message is open.
    h.boxes.whileShown = [&, n = 0]() mutable {
        while (n < 3 && ++n) h.TickSecond();
    };
    h.TickSecond();
    EXPECT_EQ(stubborn.CloseRequests(), 1);
    EXPECT_EQ(h.boxes.shown.size(), 1u);
    h.TickSecond();
    EXPECT_EQ(stubborn.CloseRequests(), 1);
    EXPECT_EQ(h.boxes.Texts(), std::vector<std::string>(2, kNoAdmin));
}

TEST(ControlPanelGuard, StepsInOrderAndWhatABrokenOrBlindDesktopGets) {
    PanelHarness h;
    h.windows.windows = {{7, Gb("控制面板"), "", ""}, {8, Gb("控制面板"), "", ""}};
    Start(h, true);
    h.boxes.whileShown = [&] { h.TickSecond(); };
    h.TickSecond();
    EXPECT_EQ(h.windows.calls, (std::vector<std::string>{"front 0", "close 7", "active 0",
                                                         "front 0", "close 8", "active 0"}));
    h.windows.failList = true;
    h.TickSecond();  // and once more inside its message
    EXPECT_EQ(h.boxes.Texts(),
              (std::vector<std::string>{kNoAdmin, kNoAdmin, Gb(" 内部发生错误!")}));

    for (const bool protection : {false, true}) {
        PanelHarness blind;
        blind.windows.blind = blind.windows.failList = true;
        CMainPanelDlg& p = Start(blind, protection);
        if (!protection) ControlAs<QAbstractButton>(&p, kIdUsePassword)->click();
        blind.TickSecond();
        ASSERT_EQ(blind.boxes.shown.size(), 1u);  // at start-up, or when switched on; no tick
        EXPECT_NE(blind.boxes.shown[0].text.find(Gb("无法关闭控制面板")), std::string::npos);
    }
}

TEST(ControlPanelGuard, LooksOnlyWhenToldThatWindowsChanged) {
    PanelHarness h;
    h.windowChanges.canWatch = true;
    Start(h, false);
    h.windows.windows = {{7, Gb("控制面板"), "", ""}};
    h.windowChanges.Tell();
    EXPECT_EQ(h.windowChanges.starts, 0);  // protection off listens to nothing
    ControlAs<QAbstractButton>(h.panel.get(), kIdUsePassword)->click();
    EXPECT_EQ(h.windowChanges.starts, 1);
    for (int i = 0; i < 3; ++i) h.TickSecond();
    EXPECT_TRUE(h.windows.calls.empty());  // no word, no pass

    h.windowChanges.Tell();  // one word, one pass
    EXPECT_EQ(h.windows.calls, (std::vector<std::string>{"front 0", "close 7", "active 0"}));
    h.windows.windows = {{9, "Settings", "gnome-control-center", "Gnome-control-center"},
                         {10, "Terminal", "gnome-terminal-server", "Gnome-terminal"}};
    h.windowChanges.Tell();
    h.windowChanges.Tell();  // the window closed already: nothing more
    EXPECT_EQ(h.windows.calls, (std::vector<std::string>{"front 0", "close 7", "active 0",
                                                         "front 0", "close 9", "active 0"}));
    EXPECT_EQ(h.boxes.Texts(), std::vector<std::string>(2, kNoAdmin));
    h.panel.reset();
    EXPECT_EQ(h.windowChanges.stops, 1);
}

TEST(ControlPanelGuard, EachSecondOnceWordOfChangesIsLost) {
    PanelHarness h;
    h.windowChanges.canWatch = true;
    Start(h, true);
    EXPECT_EQ(h.windowChanges.starts, 1);
    h.windowChanges.Lose();
    h.windows.windows = {{7, Gb("控制面板"), "", ""}};
    h.TickSecond();
    EXPECT_EQ(h.windows.calls, (std::vector<std::string>{"front 0", "close 7", "active 0"}));
}

// Waits for the guard's next message; false when none came within kArrivalMs.
bool NextMessage(PanelHarness& h) {
    const std::size_t before = h.boxes.shown.size();
    QEventLoop loop;
    h.boxes.whileShown = [&loop] { loop.quit(); };
    QTimer::singleShot(kArrivalMs, &loop, &QEventLoop::quit);
    if (h.boxes.shown.size() == before) loop.exec();
    h.boxes.whileShown = nullptr;
    return h.boxes.shown.size() > before;
}

TEST(ControlPanelGuard, ClosesWhatTheWindowSystemTellsOf) {
    X11TopLevelWindows x11;
    X11WindowChanges changes;
    PanelHarness h;
    h.changes = &changes;
    Start(h, true, &x11);
    TargetWindow settings("Settings", "--class=gnome-control-center");
    ASSERT_TRUE(NextMessage(h));
    EXPECT_EQ(settings.CloseRequests(), 1);
    TargetWindow notes("记事本");
    notes.Rename("控制面板");
    ASSERT_TRUE(NextMessage(h));
    EXPECT_EQ(notes.CloseRequests(), 1);
    EXPECT_EQ(h.boxes.Texts(), std::vector<std::string>(2, kNoAdmin));
}

}  // namespace
}  // namespace tocklet::testing
