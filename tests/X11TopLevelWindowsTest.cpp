// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The desktop's windows on a private X server, bare and under a window manager (openbox).
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QThread>
#include <optional>

#include "X11Targets.h"
#include "platform/X11TopLevelWindows.h"
#include "store/Text.h"

namespace tocklet::testing {
namespace {

std::vector<TopLevelWindow> NoWindows() { return {}; }

class X11Windows : public ::testing::TestWithParam<bool> {
protected:
    // The title listed for window, "(not listed)" when it is not; waits up to waitMs for a
    // window manager that has not yet taken the window into its client list.
    std::string TitleOf(WindowId window, int waitMs = 0) {
        QElapsedTimer waited;
        waited.start();
        do {
            const std::vector<TopLevelWindow> list = desktop.List().value_or(NoWindows());
            for (const TopLevelWindow& w : list)
                if (w.id == window) return GbToUtf8(w.title);
        } while (waited.elapsed() < waitMs && (QThread::msleep(20), true));
        return "(not listed)";
    }

    std::optional<WindowManager> wm =
        GetParam() ? std::optional<WindowManager>(std::in_place) : std::nullopt;
    X11TopLevelWindows desktop;
};

TEST_P(X11Windows, ListsShownWindowsWithTheirTitlesAndAsksThemToClose) {
    TargetWindow plain("控制面板"), compound("控制面板 ", "--wm-name-only");
    TargetWindow emoji("😀控制面板"), child("控制面板", "--child");
    TargetWindow menu("控制面板", "--override"), hidden("控制面板", "--unmapped");
    TargetWindow deaf("控制面板", "--no-protocol");
    EXPECT_EQ(TitleOf(plain.id, kArrivalMs), "控制面板");
    EXPECT_EQ(TitleOf(compound.id, kArrivalMs), "控制面板 ");
    EXPECT_EQ(TitleOf(emoji.id, kArrivalMs), "?控制面板");
    EXPECT_EQ(TitleOf(child.id, kArrivalMs), "");  // the titled child is no top-level window
    // The last window started is listed: a window manager has seen the earlier ones by then.
    EXPECT_EQ(TitleOf(deaf.id, kArrivalMs), "控制面板");
    EXPECT_EQ(TitleOf(menu.id), "(not listed)");
    EXPECT_EQ(TitleOf(hidden.id), "(not listed)");

    EXPECT_TRUE(desktop.RequestClose(plain.id));
    EXPECT_EQ(plain.CloseRequests(), 1);
    EXPECT_FALSE(desktop.RequestClose(deaf.id));
    EXPECT_FALSE(desktop.RequestClose(0x7fffff));  // no such window: an X error, caught
    desktop.BringToFront(deaf.id);
    desktop.Activate(0x7fffff);
    EXPECT_EQ(TitleOf(deaf.id, kArrivalMs), "控制面板");
}

INSTANTIATE_TEST_SUITE_P(Desktop, X11Windows, ::testing::Values(false, true),
                         [](const auto& p) { return p.param ? "Openbox" : "Bare"; });

TEST(X11WindowsWithoutDisplay, SeesNothing) {
    X11TopLevelWindows none(":99999");
    EXPECT_FALSE(none.CanSeeOtherWindows());
    EXPECT_FALSE(none.List().has_value());
}

}  // namespace
}  // namespace tocklet::testing
