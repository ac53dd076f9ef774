// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// Every command of the panel, from every place that offers it (menu bar, toolbar, icon menu,
// controls, keys), reaches its handler; the guarded ones ask for the password first.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
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
#include "resources/Templates.h"

namespace tocklet::testing {
namespace {

enum class From { Menu, Toolbar, IconMenu, Control, Key, KeyInTimeEdit, SliderEnd, SessionEnd };
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
    if (from == From::KeyInTimeEdit) {
        p.show();
        p.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&p, 20000));
        auto* edit = ControlAs<QLineEdit>(&p, kIdShutdownTime);
        edit->setFocus(Qt::OtherFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), edit);
        QTest::keyClick(edit, static_cast<Qt::Key>(id), Qt::ControlModifier);
    }
    if (from == From::SessionEnd) {
        EXPECT_FALSE(p.OnQueryEndSession()) << "the session waits";
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
        // The panel's keys win over the edit's own (Ctrl+D deletes a character there).
        {From::KeyInTimeEdit, Qt::Key_N, kAdd},
        {From::KeyInTimeEdit, Qt::Key_D, kDelete, true},
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

// A command whose dialog is already open, given again from another place (the icon's menu
// above all, which stays usable while a dialog runs), only brings that dialog to the front.
struct OnceRow {
    From first;
    int firstId;
    From again;
    int againId;
    int dialogTemplate;  // the dialog both open
    bool protectedPanel = false;
};

// Every modal dialog other than the one open: closed at once and counted, so that a second
// opening shows in the count instead of holding the test in its loop.
struct Newcomers {
    QTimer timer;
    int count = 0;
    explicit Newcomers(QWidget* open) {
        QObject::connect(&timer, &QTimer::timeout, [this, open] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (d == nullptr || d == open) return;
            ++count;
            d->reject();
        });
        timer.start(1);
    }
};

// What Qt says when a dialog's loop is entered while it runs ("QDialog::exec: Recursive call
// detected"); the offscreen platform's notes on what it cannot do are no concern here.
std::vector<std::string> g_warnings;
void KeepWarning(QtMsgType, const QMessageLogContext&, const QString& text) {
    if (text.contains(QLatin1String("exec"))) g_warnings.push_back(text.toStdString());
}

int ShownWithTemplate(QWidget& panel, int id) {
    int shown = 0;
    for (QDialog* d : panel.findChildren<QDialog*>())
        if (d->isVisible() && d->property(kTemplateIdProperty).toInt() == id) ++shown;
    return shown;
}

TEST(PanelCommandTable, ACommandWhoseDialogIsOpenRaisesIt) {
    const OnceRow rows[] = {
        {From::Menu, kCmdSetShutdownTimeMenu, From::IconMenu, kCmdSetShutdownTimeIconMenu,
         kShutdownTimeTemplateId},
        {From::IconMenu, kCmdSetShutdownTimeIconMenu, From::IconMenu, kCmdSetShutdownTimeIconMenu,
         kShutdownTimeTemplateId},
        {From::IconMenu, kCmdChangeClockColor, From::IconMenu, kCmdChangeClockColor,
         kClockColorTemplateId},
        {From::Control, kIdAddTasks, From::Menu, kCmdAddTasksMenu, kAddTaskTemplateId},
        {From::Menu, kCmdAddTasksMenu, From::Toolbar, kCmdAddTasksMenu, kAddTaskTemplateId},
        {From::Menu, kCmdDeleteTasksMenu, From::Toolbar, kCmdDeleteTasksToolbar,
         kDeleteTaskTemplateId},
        {From::Control, kIdDeleteTasks, From::Menu, kCmdDeleteTasksMenu, kDeleteTaskTemplateId},
        {From::Control, kIdUserInfo, From::Control, kIdUserInfo, kUserInfoTemplateId},
        {From::Control, kIdChangePassword, From::Control, kIdChangePassword,
         kChangePasswordTemplateId},
        {From::Menu, kCmdAbout, From::Toolbar, kCmdAboutToolbar, kAboutTemplateId},
        {From::IconMenu, kCmdExitIconMenu, From::IconMenu, kCmdExitIconMenu,
         kPasswordPromptTemplateId, true},
        {From::IconMenu, kCmdExitIconMenu, From::IconMenu, kCmdSetShutdownTimeIconMenu,
         kPasswordPromptTemplateId, true},
        {From::Menu, kCmdDeleteTasksMenu, From::IconMenu, kCmdExitIconMenu,
         kPasswordPromptTemplateId, true},
        // The session manager asking to end the session while the prompt is open.
        {From::IconMenu, kCmdExitIconMenu, From::SessionEnd, 0, kPasswordPromptTemplateId, true},
    };
    for (const OnceRow& row : rows) {
        SCOPED_TRACE(::testing::Message() << "first " << row.firstId << ", again " << row.againId);
        PanelHarness h;
        h.StoreTasks({Gb("1110,30_|one"), Gb("1110,31_|two")});
        h.registry.Put(kCvKey, "UsePas", Stored(row.protectedPanel ? "1" : "0", 3));
        CMainPanelDlg& p = h.Start();
        bool checked = false;
        Soon([&] {
            auto* open = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(open, nullptr);
            ASSERT_EQ(open->property(kTemplateIdProperty).toInt(), row.dialogTemplate);
            g_warnings.clear();
            const QtMessageHandler before = qInstallMessageHandler(KeepWarning);
            {
                Newcomers newcomers(open);
                Offer(p, h, row.again, row.againId);
                EXPECT_EQ(newcomers.count, 0) << "a second dialog was opened";
            }
            qInstallMessageHandler(before);
            EXPECT_EQ(g_warnings, std::vector<std::string>{}) << "no loop entered again";
            EXPECT_EQ(QApplication::activeModalWidget(), open);
            EXPECT_EQ(ShownWithTemplate(p, row.dialogTemplate), 1);
            EXPECT_TRUE(QTest::qWaitForWindowActive(open, 20000));
            checked = true;
            open->reject();
        });
        Offer(p, h, row.first, row.firstId);
        EXPECT_TRUE(checked);
        EXPECT_EQ(ShownWithTemplate(p, row.dialogTemplate), 0);
    }
}

}  // namespace
}  // namespace tocklet::testing
