// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The keyboard in every radio group of every dialog: arrows move and check, round the ends,
// and Tab enters a group at its checked radio and leaves it for the next control.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "controls/DialogBuilder.h"
#include "resources/Templates.h"

namespace tocklet {
namespace {

struct Built {
    std::unique_ptr<QDialog> dialog = std::make_unique<QDialog>();
    std::vector<QButtonGroup*> groups;  // those with two radios or more
};

Built Build(const DialogTemplate& dialogTemplate) {
    Built built;
    static_cast<void>(BuildDialog(dialogTemplate, built.dialog.get()));
    std::set<QButtonGroup*> seen;
    for (QAbstractButton* button : built.dialog->findChildren<QAbstractButton*>()) {
        QButtonGroup* group = button->group();
        if (group != nullptr && group->buttons().size() > 1 && seen.insert(group).second)
            built.groups.push_back(group);
    }
    built.dialog->show();
    built.dialog->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(built.dialog.get()));
    return built;
}

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, key, modifiers);
}

// The next radio of the group in template order, round the end.
QAbstractButton* After(const QList<QAbstractButton*>& radios, qsizetype i, int step) {
    const auto n = radios.size();
    return radios[((i + step) % n + n) % n];
}

const DialogTemplate& (*const kEveryTemplate[])() = {
    MainPanelTemplate,      ReminderTemplate,       AddTaskTemplate,    FirstPasswordTemplate,
    ChangePasswordTemplate, PasswordPromptTemplate, DeleteTaskTemplate, UserInfoTemplate,
    FloatClockTemplate,     ClockColorTemplate,     AboutTemplate,      ShutdownTimeTemplate,
    ShutdownWarnTemplate,
};

TEST(RadioKeysTest, ArrowsMoveAndCheckInEveryGroup) {
    int groupsWalked = 0;
    for (const auto templateOf : kEveryTemplate) {
        const DialogTemplate& dialogTemplate = templateOf();
        Built built = Build(dialogTemplate);
        for (QButtonGroup* group : built.groups) {
            SCOPED_TRACE(std::string(dialogTemplate.caption) + " group of " +
                         std::to_string(group->buttons().size()));
            const QList<QAbstractButton*> radios = group->buttons();
            for (QAbstractButton* radio : radios) radio->setEnabled(true);
            radios.front()->setChecked(true);
            radios.front()->setFocus(Qt::OtherFocusReason);
            QSignalSpy clicks(group, &QButtonGroup::buttonClicked);
            // Down and Right forward, round the end back to the first.
            for (qsizetype i = 0; i < radios.size(); ++i) {
                const Qt::Key key = i % 2 == 0 ? Qt::Key_Down : Qt::Key_Right;
                Press(key);
                QAbstractButton* expected = After(radios, i, 1);
                EXPECT_EQ(QApplication::focusWidget(), expected) << "after key " << i;
                EXPECT_TRUE(expected->isChecked()) << "after key " << i;
                EXPECT_EQ(group->checkedButton(), expected);
            }
            EXPECT_EQ(clicks.count(), radios.size()) << "each landing is a click";
            // Up and Left backward, round the start to the last.
            Press(Qt::Key_Up);
            EXPECT_EQ(QApplication::focusWidget(), radios.back());
            EXPECT_TRUE(radios.back()->isChecked());
            Press(Qt::Key_Left);
            EXPECT_EQ(QApplication::focusWidget(), After(radios, radios.size() - 1, -1));
            EXPECT_TRUE(After(radios, radios.size() - 1, -1)->isChecked());
            ++groupsWalked;
        }
    }
    // The panel's launch choice, the add-task dialog's kind and schedule, the clock colours.
    EXPECT_EQ(groupsWalked, 4);
}

TEST(RadioKeysTest, TabEntersAtTheCheckedRadioAndLeavesTheGroup) {
    for (const auto templateOf : kEveryTemplate) {
        const DialogTemplate& dialogTemplate = templateOf();
        Built built = Build(dialogTemplate);
        for (QButtonGroup* group : built.groups) {
            SCOPED_TRACE(dialogTemplate.caption);
            const QList<QAbstractButton*> radios = group->buttons();
            for (QAbstractButton* radio : radios) radio->setEnabled(true);
            // The first one: Tab from it has the others of its group to pass over.
            QAbstractButton* checked = radios.front();
            checked->setChecked(true);
            checked->setFocus(Qt::OtherFocusReason);
            Press(Qt::Key_Tab);
            QWidget* after = QApplication::focusWidget();
            ASSERT_NE(after, nullptr);
            EXPECT_FALSE(radios.contains(after)) << "Tab left the group";
            Press(Qt::Key_Backtab, Qt::ShiftModifier);
            EXPECT_EQ(QApplication::focusWidget(), checked) << "Shift+Tab came back at it";
            // Into the group from before it: again at the checked radio, not the first one.
            radios.back()->setFocus(Qt::OtherFocusReason);
            Press(Qt::Key_Backtab, Qt::ShiftModifier);
            EXPECT_FALSE(radios.contains(QApplication::focusWidget())) << "Shift+Tab left it";
            Press(Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), checked) << "Tab came back at it";
        }
    }
}

}  // namespace
}  // namespace tocklet
