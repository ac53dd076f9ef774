// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The floating clock from the panel: start-up, the box 显示实钟 and the icon menu's clock
// commands.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

#include "PanelHarness.h"
#include "clock/ui/ClockColorDlg.h"
#include "clock/ui/FloatClockDlg.h"
#include "clock/ui/GlyphClock.h"

namespace tocklet::testing {
namespace {

// Answers the next colour dialog: radio (0: none) and "选定", or Escape when radio is -1.
void AnswerColourDialog(int radio) {
    Soon([radio] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dlg = qobject_cast<CClockColorDlg*>(w);
            if (dlg == nullptr || !dlg->isVisible()) continue;
            if (radio > 0) ControlAs<QRadioButton>(dlg, radio)->click();
            if (radio < 0)
                QTest::keyClick(dlg, Qt::Key_Escape);
            else
                dlg->OnChoose();
        }
    });
}

struct ClockPanel : PanelHarness {
    CMainPanelDlg& StartWith(const char* shown, const char* colour) {
        profile.Put("option", "clock", shown);
        profile.Put("option", "color", colour);
        return Start();
    }
    bool Shown() const { return panel->FloatClock() != nullptr; }
    COLORREF Colour() const { return panel->FloatClock()->Face()->DigitColor(); }
    bool Checked() const { return ControlAs<QCheckBox>(panel.get(), kIdShowClock)->isChecked(); }
};

TEST(PanelClock, ShowHideAndColourStateTable) {
    ClockPanel h;
    CMainPanelDlg& p = h.StartWith("1", "3");
    ASSERT_TRUE(h.Shown());
    EXPECT_EQ(p.FloatClock()->pos(), QPoint(395, 0));
    EXPECT_EQ(h.Colour(), Rgb(0, 0, 255));

    ControlAs<QCheckBox>(&p, kIdShowClock)->click();
    EXPECT_FALSE(h.Shown());
    EXPECT_FALSE(h.clockTimers.IsRunning(kFaceTimerId));
    EXPECT_TRUE(p.OnCommand(kCmdToggleClock));
    ASSERT_TRUE(h.Shown());
    EXPECT_TRUE(h.Checked());

    // A colour chosen while the clock is shown: a new clock in it at its starting place.
    p.FloatClock()->move(10, 300);
    AnswerColourDialog(kClockColorYellowId);
    EXPECT_TRUE(p.OnCommand(kCmdChangeClockColor));
    ASSERT_TRUE(h.Shown());
    EXPECT_EQ(h.Colour(), Rgb(255, 255, 0));
    EXPECT_EQ(p.FloatClock()->pos(), QPoint(395, 0));
    EXPECT_EQ(h.profile.Get("option", "color"), "4");
    // Hidden and shown again: the same colour, at its starting place; "clock" is untouched.
    p.FloatClock()->move(10, 300);
    EXPECT_TRUE(p.OnCommand(kCmdToggleClock));
    EXPECT_TRUE(p.OnCommand(kCmdToggleClock));
    EXPECT_EQ(h.Colour(), Rgb(255, 255, 0));
    EXPECT_EQ(p.FloatClock()->pos(), QPoint(395, 0));
    EXPECT_EQ(h.profile.Get("option", "clock"), "1");
}

TEST(PanelClock, HiddenAtStartShowsInTheChosenColourAndEscapeChangesNothing) {
    ClockPanel h;
    CMainPanelDlg& p = h.StartWith("0", "9");
    EXPECT_FALSE(h.Shown());
    AnswerColourDialog(-1);
    p.OnChangeClockColor();
    EXPECT_FALSE(h.Shown());
    EXPECT_TRUE(h.profile.writes.empty());
    EXPECT_EQ(p.Settings().m_clrClock, Rgb(0, 255, 0));

    AnswerColourDialog(0);  // nothing checked: green, 2
    p.OnChangeClockColor();
    ASSERT_TRUE(h.Shown());
    EXPECT_TRUE(h.Checked());
    EXPECT_EQ(h.Colour(), Rgb(0, 255, 0));
    EXPECT_EQ(h.profile.Get("option", "color"), "2");

    // A colour that cannot be stored still applies now, and the user is told.
    h.profile.failAllWrites = true;
    AnswerColourDialog(kClockColorBrownId);
    p.OnChangeClockColor();
    EXPECT_EQ(h.Colour(), Rgb(0, 255, 255));
    EXPECT_EQ(h.profile.Get("option", "color"), "2");
    ASSERT_FALSE(h.boxes.shown.empty());
    EXPECT_EQ(h.boxes.shown.back().text, Gb("时钟颜色未能保存,程序重新启动后将恢复原来的颜色"));
}

}  // namespace
}  // namespace tocklet::testing
