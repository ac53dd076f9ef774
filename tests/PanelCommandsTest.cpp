// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The panel's guarded and restarting commands: first use, exit, session end, adding and
// deleting tasks, the protection switch and the password change.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "PanelHarness.h"

namespace tocklet::testing {
namespace {

// Types text into the dialog's edit id (replacing what is there).
void Type(QWidget* dialog, int id, const std::string& utf8) {
    auto* edit = ControlAs<QLineEdit>(dialog, id);
    ASSERT_NE(edit, nullptr) << id;
    edit->selectAll();
    // Typed as one key event carrying the text, as an input method delivers Chinese.
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                    QString::fromStdString(utf8));
    QApplication::sendEvent(edit, &typed);
}

void Click(QWidget* dialog, int id) {
    auto* button = ControlAs<QAbstractButton>(dialog, id);
    ASSERT_NE(button, nullptr) << id;
    button->click();
}

// Answers the next password prompt with text, or gives up when text is null.
void AnswerPrompt(CMainPanelDlg& p, const char* text) {
    Soon([&p, text] {
        if (text) {
            Type(DialogOf<CPasswordPromptDlg>(p), kPromptEditId, text);
            Click(DialogOf<CPasswordPromptDlg>(p), kPromptSubmitId);
        } else {
            Click(DialogOf<CPasswordPromptDlg>(p), kPromptGiveUpId);
        }
    });
}

struct ProtectedPanel : PanelHarness {
    ProtectedPanel() {
        StoreTasks({Gb("1110,30_|one"), Gb("1210,30_12.7|two"), Gb("1110,31_|three")});
        registry.Put(kCvKey, "pass", Stored("secret", 11));
        registry.Put(kCvKey, "UsePas", Stored("1", 3));
    }
};

TEST(PanelCommands, FirstUseStoresThePasswordAndItGuardsThisRunToo) {
    PanelHarness h;
    h.StoreTasks({Gb("1110,30_|开会")});
    h.registry.Remove(kCvKey, "new");
    CMainPanelDlg& p = h.Build();
    Soon([&p] {
        Type(DialogOf<CFirstPasswordDlg>(p), kFirstPasswordId, "abc");
        Type(DialogOf<CFirstPasswordDlg>(p), kFirstConfirmId, "abc");
        Click(DialogOf<CFirstPasswordDlg>(p), kFirstOkId);
    });
    p.OnCreate();
    p.OnInitDialog();
    EXPECT_EQ(h.registry.Get(kCvKey, "pass"), Stored("abc", 10));
    EXPECT_EQ(h.registry.Get(kCvKey, "new"), Stored("1", 2));
    EXPECT_EQ(h.profile.Get("option", "clock"), "1");
    EXPECT_EQ(h.profile.Get("option", "color"), "2");
    EXPECT_EQ(p.Settings().m_strPassword, "abc");
}

TEST(PanelCommands, EscapingFirstUseStoresNoPasswordButEndsTheFirstRun) {
    PanelHarness h;
    h.StoreTasks({Gb("1110,30_|开会")});
    h.registry.Remove(kCvKey, "new");
    CMainPanelDlg& p = h.Build();
    Soon([&p] { QTest::keyClick(DialogOf<CFirstPasswordDlg>(p), Qt::Key_Escape); });
    p.OnInitDialog();
    EXPECT_FALSE(h.registry.Get(kCvKey, "pass").has_value());
    EXPECT_EQ(h.registry.Get(kCvKey, "new"), Stored("1", 2));
}

TEST(PanelCommands, ExitWithoutProtectionSavesFirst) {
    PanelHarness h;
    h.StoreTasks({Gb("1110,30_|开会")});
    CMainPanelDlg& p = h.Start();
    ControlAs<QCheckBox>(&p, kIdChimeOn)->click();
    EXPECT_TRUE(p.OnCommand(kCmdExitIconMenu));
    EXPECT_EQ(h.registry.Get(kProgramKey, "ClockOpen"), "1");
    EXPECT_FALSE(h.tray.shown);
    EXPECT_FALSE(h.timers.IsRunning(kTimerSecond));
    EXPECT_EQ(p.result(), kIdOk);
}

TEST(PanelCommands, ExitWithProtectionAsksThenSaves) {
    ProtectedPanel h;
    CMainPanelDlg& p = h.Start();
    ControlAs<QCheckBox>(&p, kIdChimeOn)->click();
    p.setResult(0);
    AnswerPrompt(p, nullptr);
    EXPECT_TRUE(p.OnCommand(kCmdExitMenu));
    EXPECT_TRUE(h.tray.shown);  // refused: still running
    EXPECT_EQ(p.result(), 0);

    AnswerPrompt(p, "secretXYZ");  // a longer text is not the password
    Soon([&p] { Click(DialogOf<CPasswordPromptDlg>(p), kPromptGiveUpId); });
    EXPECT_TRUE(p.OnCommand(kCmdExitMenu));
    EXPECT_TRUE(h.tray.shown);

    EXPECT_FALSE(h.registry.Get(kProgramKey, "ClockOpen").has_value());  // refused: no save

    AnswerPrompt(p, "secret");
    EXPECT_TRUE(p.OnCommand(kCmdExitMenu));
    EXPECT_FALSE(h.tray.shown);
    EXPECT_EQ(p.result(), kIdOk);
    EXPECT_EQ(h.registry.Get(kProgramKey, "ClockOpen"), "1");
}

TEST(PanelCommands, ProtectionSwitchedOnBeforeExitHoldsAtTheNextStart) {
    PanelHarness h;
    h.StoreTasks({Gb("1110,30_|开会")});
    h.registry.Put(kCvKey, "pass", Stored("secret", 11));
    CMainPanelDlg& p = h.Start();
    ControlAs<QCheckBox>(&p, kIdUsePassword)->click();
    AnswerPrompt(p, "secret");
    EXPECT_TRUE(p.OnCommand(kCmdExitIconMenu));
    EXPECT_EQ(p.result(), kIdOk);
    EXPECT_EQ(h.registry.Get(kCvKey, "UsePas"), Stored("1", 3));
}

TEST(PanelCommands, SessionEndPassesThePasswordGate) {
    PanelHarness open;
    open.StoreTasks({Gb("1110,30_|开会")});
    EXPECT_TRUE(open.Start().OnQueryEndSession());

    ProtectedPanel h;
    CMainPanelDlg& p = h.Start();
    AnswerPrompt(p, nullptr);
    EXPECT_FALSE(p.OnQueryEndSession());
    AnswerPrompt(p, "secret");
    EXPECT_TRUE(p.OnQueryEndSession());
}

TEST(PanelCommands, ProtectionSwitchAsksOnlyToTurnOff) {
    ProtectedPanel h;
    CMainPanelDlg& p = h.Start();
    auto* box = ControlAs<QCheckBox>(&p, kIdUsePassword);
    ASSERT_TRUE(box->isChecked());
    AnswerPrompt(p, nullptr);
    box->click();
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(p.Settings().m_bUsePassword);
    AnswerPrompt(p, "secret");
    box->click();
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(p.Settings().m_bUsePassword);
    box->click();  // turning on never asks
    EXPECT_TRUE(p.Settings().m_bUsePassword);
}

TEST(PanelCommands, DeletingATaskCompactsSavesAndRestarts) {
    ProtectedPanel h;
    CMainPanelDlg& p = h.Start();
    AnswerPrompt(p, "secret");
    // The prompt has closed when the delete dialog opens: pick its first row ("one", value 1).
    QTimer::singleShot(50, &p, [&p] {
        auto* list = ControlAs<QListWidget>(DialogOf<CDeleteTaskDlg>(p), kDeleteListId);
        ASSERT_NE(list, nullptr);
        list->setCurrentRow(0);
        Click(DialogOf<CDeleteTaskDlg>(p), kDeleteButtonId);  // one deletion ends the opening
    });
    ControlAs<QPushButton>(&p, kIdDeleteTasks)->click();
    EXPECT_EQ(h.registry.Get(kProgramKey, "happen"), Stored("2", 3));
    EXPECT_EQ(h.registry.Get(kProgramKey, "1"), Stored(Gb("1110,31_|three"), 100));
    EXPECT_EQ(h.registry.Get(kProgramKey, "2"), Stored(Gb("1210,30_12.7|two"), 100));
    EXPECT_EQ(h.self.instancesStarted, 1);
    EXPECT_FALSE(h.tray.shown);
    EXPECT_EQ(p.result(), kIdOk);
}

TEST(PanelCommands, AddingATaskSavesAndRestarts) {
    PanelHarness h;
    h.StoreTasks({Gb("1110,30_|开会")});
    CMainPanelDlg& p = h.Start();
    Soon([&p] {
        CAddTaskDlg* d = DialogOf<CAddTaskDlg>(p);
        Click(d, AddTaskIds::kMessage);
        Click(d, AddTaskIds::kDaily);
        Type(d, AddTaskIds::kReminderEdit, "午饭");
        Click(d, AddTaskIds::kSave);
        Click(d, AddTaskIds::kExit);
    });
    ControlAs<QPushButton>(&p, kIdAddTasks)->click();
    EXPECT_EQ(h.registry.Get(kProgramKey, "2"), Stored(Gb("1110,30_|午饭"), 100));
    EXPECT_EQ(h.registry.Get(kProgramKey, "happen"), Stored("2", 3));
    EXPECT_EQ(p.Settings().m_nTasksAdded, 1);
    EXPECT_EQ(h.self.instancesStarted, 1);
    EXPECT_FALSE(h.tray.shown);
}

TEST(PanelCommands, LeavingTheAddDialogWithoutSavingChangesNothing) {
    PanelHarness h;
    h.StoreTasks({Gb("1110,30_|开会")});
    CMainPanelDlg& p = h.Start();
    Soon([&p] { QTest::keyClick(DialogOf<CAddTaskDlg>(p), Qt::Key_Escape); });
    EXPECT_TRUE(p.OnCommand(kCmdAddTasksMenu));
    EXPECT_EQ(h.self.instancesStarted, 0);
    EXPECT_TRUE(h.tray.shown);
    EXPECT_FALSE(h.registry.Get(kProgramKey, "ClockOpen").has_value());
}

TEST(PanelCommands, ChangedPasswordIsStoredAndUsed) {
    ProtectedPanel h;
    CMainPanelDlg& p = h.Start();
    Soon([&p] {
        Type(DialogOf<CChangePasswordDlg>(p), kChangeOldId, "secret");
        Type(DialogOf<CChangePasswordDlg>(p), kChangeNewId, "newpw");
        Type(DialogOf<CChangePasswordDlg>(p), kChangeConfirmId, "newpw");
        Click(DialogOf<CChangePasswordDlg>(p), kChangeOkId);
    });
    Click(&p, kIdChangePassword);
    EXPECT_EQ(h.registry.Get(kCvKey, "pass"), Stored("newpw", 11));
    EXPECT_EQ(p.Settings().m_strPassword, "newpw");
    EXPECT_EQ(h.boxes.shown.back().text, Gb(" 密码更新成功,请您记住新密码"));
    EXPECT_EQ(h.boxes.shown.back().caption, Gb("守时鸟提示"));
    EXPECT_EQ(h.boxes.shown.back().icon, MbIcon::Question);
    EXPECT_EQ(h.registry.OpenHandles(), 0u);

    // A change that cannot be stored holds for this run, and the user is told so.
    h.registry.FailSet(kCvKey, "pass");
    Soon([&p] {
        auto* dlg = DialogOf<CChangePasswordDlg>(p);
        Type(dlg, kChangeOldId, "newpw");
        Type(dlg, kChangeNewId, "third");
        Type(dlg, kChangeConfirmId, "third");
        Click(dlg, kChangeOkId);
    });
    Click(&p, kIdChangePassword);
    EXPECT_EQ(p.Settings().m_strPassword, "third");
    EXPECT_EQ(h.registry.Get(kCvKey, "pass"), Stored("newpw", 11));
    EXPECT_NE(h.boxes.shown.back().text, Gb(" 密码更新成功,请您记住新密码"));
}

}  // namespace
}  // namespace tocklet::testing
