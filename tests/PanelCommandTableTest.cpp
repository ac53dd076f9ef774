// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// Every command of the panel, from every place that offers it (menu bar, toolbar, icon menu,
// controls, keys), reaches its handler; the guarded ones ask for the password first.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QSlider>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <set>

#include "PanelHarness.h"
#include "clock/Chime.h"
#include "controls/MenuBuilder.h"
#include "controls/ToolbarPager.h"
#include "resources/ProductInfo.h"

namespace tocklet::testing {
namespace {

enum class From { Menu, Toolbar, IconMenu, Control, Key, SliderEnd };
using Check = std::function<void(PanelHarness&, CMainPanelDlg&)>;

struct Row {
    From from;
    int id;                        // command, control number, or key
    const char* dialog = nullptr;  // the dialog the command opens, if any
    bool gated = false;            // asks for the password while protection is on
    Check check = {};
    Check before = {};
};

// Closes each modal dialog as soon as it opens, noting its class.
struct DialogCloser {
    QTimer timer;
    std::vector<std::string> seen;
    DialogCloser() {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                seen.emplace_back(d->metaObject()->className());
                d->reject();
            }
        });
        timer.start(1);
    }
};

// Gives the command, from where the row says.
void Offer(CMainPanelDlg& p, PanelHarness& h, From from, int id) {
    auto trigger = [](QAction* action) {
        ASSERT_NE(action, nullptr);
        action->trigger();
    };
    if (from == From::Menu) trigger(FindCommandAction(p.findChild<QMenuBar*>(), id));
    if (from == From::Toolbar) {
        auto* bar = qobject_cast<QToolBar*>(ControlAs<CToolbarPager>(&p, kIdToolbarPager)->Child());
        for (QAction* a : bar->actions()) {
            if (CommandOf(a) == id) qobject_cast<QToolButton*>(bar->widgetForAction(a))->click();
        }
    }
    if (from == From::IconMenu) {
        h.tray.Press(TrayButton::Right);
        QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        menu->hide();
        trigger(FindCommandAction(menu, id));
    }
    if (from == From::Control) ControlAs<QAbstractButton>(&p, id)->click();
    if (from == From::Key) {
        p.show();
        p.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&p, 20000));
        QTest::keyClick(&p, static_cast<Qt::Key>(id), Qt::ControlModifier);
    }
    if (from == From::SliderEnd) QTest::keyClick(ControlAs<QSlider>(&p, id), Qt::Key_End);
}

std::string Label(CMainPanelDlg& p, int id) { return ToGb(ControlAs<QLabel>(&p, id)->text()); }

const Check kNothing = [](PanelHarness& h, CMainPanelDlg& p) {
    EXPECT_TRUE(h.boxes.shown.empty() && h.shell.opened.empty() && h.tray.shown);
    EXPECT_NE(p.result(), kIdOk);
};
const Check kExits = [](PanelHarness& h, CMainPanelDlg& p) {
    EXPECT_EQ(p.result(), kIdOk);
    EXPECT_FALSE(h.tray.shown);
    EXPECT_EQ(h.registry.Get(kProgramKey, "ClockOpen"), "1");
};
const Check kChimeOff = [](PanelHarness& h, CMainPanelDlg& p) {
    EXPECT_FALSE(p.Settings().m_bChimeOn);
    EXPECT_FALSE(ControlAs<QCheckBox>(&p, kIdChimeOn)->isChecked());
    EXPECT_EQ(h.boxes.Texts(), std::vector<std::string>{ChimeSwitchedOffText()});
};
const Check kPaused = [](PanelHarness& h, CMainPanelDlg& p) {
    EXPECT_FALSE(p.IsMonitoring() || ControlAs<QCheckBox>(&p, kIdMonitoring)->isChecked());
    EXPECT_EQ(h.tray.iconId, kTrayIconPaused);
};
const Check kClockShown = [](PanelHarness&, CMainPanelDlg& p) {
    EXPECT_NE(p.FloatClock(), nullptr);
};
const Check kReadMe = [](PanelHarness& h, CMainPanelDlg&) {
    // Opened, or a message says where it was looked for.
    EXPECT_EQ(h.shell.opened.size() + h.boxes.shown.size(), 1u);
};
Check Opened(std::string target) {
    return [target](PanelHarness& h, CMainPanelDlg&) {
        EXPECT_EQ(h.shell.opened, std::vector<std::string>{target});
    };
}

const char* const kAdd = "tocklet::CAddTaskDlg";
const char* const kDelete = "tocklet::CDeleteTaskDlg";
const char* const kShutdown = "tocklet::CShutdownTimeDlg";
const char* const kAbout = "tocklet::CAboutDlg";

const std::vector<Row>& Table() {
    static const std::vector<Row> rows{
        {From::Menu, kCmdAddTasksMenu, kAdd},
        {From::Menu, kCmdDeleteTasksMenu, kDelete, true},
        {From::Menu, kCmdSetShutdownTimeMenu, kShutdown, true},
        {From::Menu, kCmdToggleChimeMenu, nullptr, false, kChimeOff},
        {From::Menu, kCmdExitMenu, nullptr, true, kExits},
        {From::Menu, kCmdMailAuthor, nullptr, false, Opened(MailTarget())},
        {From::Menu, kCmdHomePage, nullptr, false, Opened(std::string(HomePage()))},
        {From::Menu, kCmdAbout, kAbout},
        {From::Menu, kCmdReadMe, nullptr, false, kReadMe},
        {From::Toolbar, kCmdAddTasksMenu, kAdd},
        {From::Toolbar, kCmdCalendarToolbar, nullptr, false, kNothing},
        {From::Toolbar, kCmdDeleteTasksToolbar, kDelete, true},
        {From::Toolbar, kCmdToggleChimeMenu, nullptr, false, kChimeOff},
        {From::Toolbar, kCmdExitMenu, nullptr, true, kExits},
        {From::Toolbar, kCmdPrintToolbar, nullptr, false, kNothing},
        {From::Toolbar, kCmdReadMe, nullptr, false, kReadMe},
        {From::Toolbar, kCmdAboutToolbar, kAbout},
        {From::IconMenu, kCmdShowPanel, nullptr, false,
         [](PanelHarness&, CMainPanelDlg& p) { EXPECT_TRUE(p.isVisible()); }},
        {From::IconMenu, kCmdToggleClock, nullptr, false, kClockShown},
        {From::IconMenu, kCmdChangeClockColor, "tocklet::CClockColorDlg"},
        {From::IconMenu, kCmdToggleChime, nullptr, false, kChimeOff},
        {From::IconMenu, kCmdPauseMonitoring, nullptr, false, kPaused},
        {From::IconMenu, kCmdResumeMonitoring, nullptr, false,
         [](PanelHarness& h, CMainPanelDlg& p) {
             EXPECT_TRUE(p.IsMonitoring() && ControlAs<QCheckBox>(&p, kIdMonitoring)->isChecked());
             EXPECT_EQ(h.tray.iconId, kTrayIconWorking);
         },
         [](PanelHarness&, CMainPanelDlg& p) { p.SetMonitoring(false); }},
        {From::IconMenu, kCmdSetShutdownTimeIconMenu, kShutdown, true},
        {From::IconMenu, kCmdExitIconMenu, nullptr, true, kExits},
        {From::Control, kIdAddTasks, kAdd},
        {From::Control, kIdDeleteTasks, kDelete, true},
        {From::Control, kIdSetShutdownTime, kShutdown, true},
        {From::Control, kIdChangePassword, "tocklet::CChangePasswordDlg"},
        {From::Control, kIdUserInfo, "tocklet::CUserInfoDlg"},
        {From::Control, kIdLaunchNormal, nullptr, false,
         [](PanelHarness&, CMainPanelDlg& p) { EXPECT_EQ(p.Settings().m_nLaunchShow, 1); }},
        {From::Control, kIdLaunchMinimised, nullptr, false,
         [](PanelHarness&, CMainPanelDlg& p) { EXPECT_EQ(p.Settings().m_nLaunchShow, 0); },
         [](PanelHarness&, CMainPanelDlg& p) {
             ControlAs<QAbstractButton>(&p, kIdLaunchNormal)->click();
         }},
        {From::Key, Qt::Key_N, kAdd},
        {From::Key, Qt::Key_D, kDelete, true},
        {From::SliderEnd, kIdDelaySlider, nullptr, false,
         [](PanelHarness&, CMainPanelDlg& p) {
             EXPECT_EQ(p.Settings().m_nDelayMinutes, 60);
             EXPECT_EQ(Label(p, kIdDelayText), "60");
         }},
        {From::SliderEnd, kIdRepeatSlider, nullptr, false,
         [](PanelHarness&, CMainPanelDlg& p) {
             EXPECT_EQ(p.Settings().m_nRepeat, 5);
             EXPECT_EQ(Label(p, kIdRepeatText), "5");
         }},
    };
    return rows;
}

TEST(PanelCommandTable, EveryCommandReachesItsHandlerBehindItsGate) {
    // The table holds every item of the menu bar, the toolbar and the icon menu.
    std::set<std::pair<From, int>> listed, offered;
    for (const Row& row : Table()) listed.insert({row.from, row.id});
    for (auto [from, menuId] : {std::pair{From::Menu, 104}, std::pair{From::IconMenu, 105}}) {
        for (const MenuPopup& popup : FindMenu(menuId)->popups) {
            for (const MenuItem& item : popup.items) {
                if (item.command != kSeparator) offered.insert({from, item.command});
            }
        }
    }
    for (int command : ToolbarButtons(102)) {
        if (command != kSeparator) offered.insert({From::Toolbar, command});
    }
    for (const auto& item : offered) EXPECT_TRUE(listed.count(item)) << item.second;

    for (bool protectedPanel : {false, true}) {
        for (const Row& row : Table()) {
            SCOPED_TRACE(::testing::Message()
                         << "id " << row.id << (protectedPanel ? " protected" : ""));
            PanelHarness h;
            h.StoreTasks({Gb("1110,30_|one"), Gb("1110,31_|two")});
            h.registry.Put(kProgramKey, "ClockOpen", "1");
            h.registry.Put(kCvKey, "UsePas", Stored(protectedPanel ? "1" : "0", 3));
            CMainPanelDlg& p = h.Start();
            h.boxes.shown.clear();
            if (row.before) row.before(h, p);
            DialogCloser closer;
            Offer(p, h, row.from, row.id);
            std::vector<std::string> expected;
            if (protectedPanel && row.gated) {
                expected = {"tocklet::CPasswordPromptDlg"};  // refused: nothing further
            } else if (row.dialog) {
                expected = {row.dialog};
            }
            EXPECT_EQ(closer.seen, expected);
            if (protectedPanel && row.gated) {
                EXPECT_TRUE(h.tray.shown);
                EXPECT_NE(p.result(), kIdOk);
            } else if (row.check) {
                row.check(h, p);
            } else {
                EXPECT_EQ(h.self.instancesStarted, 0);
            }
        }
    }
}

}  // namespace
}  // namespace tocklet::testing
