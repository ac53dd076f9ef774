// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// Word of changed windows from a private X server, bare and under a window manager (openbox):
// each change the guard must see is told, and what is told shows in the window list.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>
#include <functional>
#include <optional>

#include "X11Targets.h"
#include "platform/X11TopLevelWindows.h"
#include "platform/X11WindowChanges.h"
#include "store/Text.h"

namespace tocklet::testing {
namespace {

class X11Changes : public ::testing::TestWithParam<bool> {
protected:
    /// Waits for the next word of a change; false when none came within kArrivalMs.
    bool NextWord() {
        if (words_ > seen_) return ++seen_, true;
        QEventLoop loop;
        wake_ = [&loop] { loop.quit(); };
        QTimer::singleShot(kArrivalMs, &loop, &QEventLoop::quit);
        loop.exec();
        wake_ = nullptr;
        return words_ > seen_ ? (++seen_, true) : false;
    }

    /// True once a word was told after which the listed window shows what shown() wants.
    bool ToldUntil(WindowId window, const std::function<bool(const TopLevelWindow&)>& shown) {
        while (NextWord()) {
            for (const TopLevelWindow& w : desktop.List().value_or(std::vector<TopLevelWindow>{}))
                if (w.id == window && shown(w)) return true;
        }
        return false;
    }

    void Count() {
        ++words_;
        if (wake_) wake_();
    }

    std::optional<WindowManager> wm =
        GetParam() ? std::optional<WindowManager>(std::in_place) : std::nullopt;
    X11TopLevelWindows desktop;
    X11WindowChanges changes;
    int words_ = 0, seen_ = 0;
    std::function<void()> wake_;
};

TEST_P(X11Changes, TellsOfWindowsShownRenamedAndOfSettingsPrograms) {
    ASSERT_TRUE(changes.Start([this] { Count(); }));
    EXPECT_TRUE(changes.Watching());
    EXPECT_TRUE(NextWord());  // once at the start, for the windows there already

    TargetWindow notes("记事本");
    EXPECT_TRUE(ToldUntil(notes.id, [](auto& w) { return w.title == Gb("记事本"); }));
    notes.Rename("控制面板");
    EXPECT_TRUE(ToldUntil(notes.id, [](auto& w) { return w.title == Gb("控制面板"); }));
    TargetWindow settings("Settings", "--class=gnome-control-center");
    EXPECT_TRUE(ToldUntil(settings.id, [](auto& w) {
        return w.instanceName == "gnome-control-center" && w.className == "Gnome-control-center";
    }));

    changes.Stop();
    EXPECT_FALSE(changes.Watching());
    const int before = words_;
    TargetWindow late("控制面板");
    EXPECT_EQ(desktop.List().has_value(), true);
    QEventLoop().processEvents();
    EXPECT_EQ(words_, before);  // nothing told once stopped
}

INSTANTIATE_TEST_SUITE_P(Desktop, X11Changes, ::testing::Values(false, true),
                         [](const auto& p) { return p.param ? "Openbox" : "Bare"; });

TEST(X11ChangesWithoutDisplay, CannotStart) {
    X11WindowChanges none(":99999");
    bool told = false;
    EXPECT_FALSE(none.Start([&] { told = true; }));
    EXPECT_FALSE(none.Watching());
    QEventLoop().processEvents();
    EXPECT_FALSE(told);
}

}  // namespace
}  // namespace tocklet::testing
