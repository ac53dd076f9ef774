// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <set>

#include "TypeText.h"
#include "controls/DialogBuilder.h"
#include "controls/UpDownButtons.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakeRegistry.h"
#include "platform/QtText.h"
#include "store/Registry.h"
#include "store/Text.h"
#include "tasks/TaskStore.h"
#include "tasks/ui/AddTaskDlg.h"

// Texts in failure messages as text, not as code units.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace tocklet {
namespace {

using Id = AddTaskIds;
using testing::FakeMessageBoxes;
using testing::FakeRegistry;

using testing::Type;
using testing::U;

class AddTaskDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        reg.AddKey(kProgramKeyRead);
        Open(0);
    }

    void Open(int count) {
        dlg.OnInitDialog(count);
        dlg.show();
    }

    QWidget* W(int id) { return ControlById(&dlg, id); }
    QLineEdit* Edit(int id) { return ControlAs<QLineEdit>(&dlg, id); }
    QComboBox* Combo(int id) { return ControlAs<QComboBox>(&dlg, id); }
    bool Checked(int id) { return ControlAs<QAbstractButton>(&dlg, id)->isChecked(); }

    // Clicks where a person would: on a radio's mark, in a button.
    void Click(int id) {
        QWidget* w = W(id);
        ASSERT_NE(w, nullptr) << id;
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(6, w->height() / 2));
    }
    void Arrow(int spinId, bool up) {
        auto* spin = ControlAs<UpDownButtons>(&dlg, spinId);
        ASSERT_NE(spin, nullptr);
        QTest::mouseClick(up ? spin->UpButton() : spin->DownButton(), Qt::LeftButton);
    }
    void Retype(int editId, const QString& text) {
        QLineEdit* edit = Edit(editId);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        Type(edit, text);
    }

    std::set<int> Enabled() {
        std::set<int> on;
        for (int id : {Id::kMessage, Id::kProgram, Id::kDaily, Id::kOnDate, Id::kWeekly, Id::kMonth,
                       Id::kDay, Id::kHourEdit, Id::kMinuteEdit, Id::kWeekday, Id::kReminderEdit,
                       Id::kBrowse, Id::kSave, Id::kNext, Id::kExit}) {
            if (W(id)->isEnabled()) on.insert(id);
        }
        return on;
    }
    std::optional<std::string> Stored(int v) { return reg.Get(kProgramKeyRead, std::to_string(v)); }
    std::string Value(std::string_view record) { return StoredString(record, 100); }

    FakeRegistry reg;
    FakeMessageBoxes boxes;
    TaskStore store{reg};
    std::deque<QString> chooserAnswers;
    int chooserCalls = 0;
    CAddTaskDlg dlg{store, boxes, nullptr, [this](QWidget* owner) {
                        ++chooserCalls;
                        EXPECT_EQ(owner, &dlg);
                        QString a = chooserAnswers.empty() ? QString() : chooserAnswers.front();
                        if (!chooserAnswers.empty()) chooserAnswers.pop_front();
                        return a;
                    }};
};

TEST_F(AddTaskDlgTest, OpensWithOnlyTheActionRadiosAndFilledCombos) {
    EXPECT_EQ(dlg.windowTitle(), U("添加新任务"));
    EXPECT_EQ(Enabled(), (std::set<int>{Id::kMessage, Id::kProgram}));
    EXPECT_TRUE(W(Id::kHourSpin)->isEnabled());  // the arrows themselves stay usable
    EXPECT_TRUE(W(Id::kMinuteSpin)->isEnabled());
    for (int id : {Id::kMessage, Id::kProgram, Id::kDaily, Id::kOnDate, Id::kWeekly})
        EXPECT_FALSE(Checked(id)) << id;

    ASSERT_EQ(Combo(Id::kMonth)->count(), 12);
    EXPECT_EQ(Combo(Id::kMonth)->itemText(11), "12");
    EXPECT_EQ(Combo(Id::kMonth)->currentText(), "1");
    ASSERT_EQ(Combo(Id::kDay)->count(), 31);
    EXPECT_EQ(Combo(Id::kDay)->itemText(30), "31");
    EXPECT_EQ(Combo(Id::kDay)->currentText(), "1");
    ASSERT_EQ(Combo(Id::kWeekday)->count(), 7);
    EXPECT_EQ(Combo(Id::kWeekday)->itemText(0), U("星期一"));
    EXPECT_EQ(Combo(Id::kWeekday)->itemText(6), U("星期日"));
    EXPECT_EQ(Combo(Id::kWeekday)->currentText(), U("星期一"));
    for (int id : {Id::kMonth, Id::kDay, Id::kWeekday}) EXPECT_TRUE(Combo(id)->isEditable());
    EXPECT_EQ(Edit(Id::kHourEdit)->text(), "10");
    EXPECT_EQ(Edit(Id::kMinuteEdit)->text(), "30");
    EXPECT_TRUE(ControlAs<QPushButton>(&dlg, Id::kSave)->isDefault());
}

TEST_F(AddTaskDlgTest, EachRadioEnablesAndDisablesItsControls) {
    Click(Id::kMessage);
    EXPECT_TRUE(Checked(Id::kMessage));
    EXPECT_EQ(Enabled(),
              (std::set<int>{Id::kMessage, Id::kProgram, Id::kReminderEdit, Id::kSave, Id::kNext,
                             Id::kExit, Id::kDaily, Id::kOnDate, Id::kWeekly}));
    Click(Id::kOnDate);
    EXPECT_EQ(Enabled(), (std::set<int>{Id::kMessage, Id::kProgram, Id::kReminderEdit, Id::kSave,
                                        Id::kNext, Id::kExit, Id::kDaily, Id::kOnDate, Id::kWeekly,
                                        Id::kHourEdit, Id::kMinuteEdit, Id::kMonth, Id::kDay}));
    Click(Id::kWeekly);
    EXPECT_EQ(Enabled(), (std::set<int>{Id::kMessage, Id::kProgram, Id::kReminderEdit, Id::kSave,
                                        Id::kNext, Id::kExit, Id::kDaily, Id::kOnDate, Id::kWeekly,
                                        Id::kHourEdit, Id::kMinuteEdit, Id::kWeekday}));
    Click(
        Id::kProgram);  // a new action takes the time fields away again until a schedule is clicked
    EXPECT_TRUE(Checked(Id::kProgram));
    EXPECT_FALSE(Checked(Id::kMessage));
    EXPECT_EQ(Enabled(),
              (std::set<int>{Id::kMessage, Id::kProgram, Id::kBrowse, Id::kSave, Id::kNext,
                             Id::kExit, Id::kDaily, Id::kOnDate, Id::kWeekly, Id::kWeekday}));
    Click(Id::kDaily);
    EXPECT_TRUE(Checked(Id::kDaily));
    EXPECT_FALSE(Checked(Id::kWeekly));
    EXPECT_EQ(Enabled(), (std::set<int>{Id::kMessage, Id::kProgram, Id::kBrowse, Id::kSave,
                                        Id::kNext, Id::kExit, Id::kDaily, Id::kOnDate, Id::kWeekly,
                                        Id::kHourEdit, Id::kMinuteEdit}));
    // A disabled control ignores the mouse: the month combo cannot be opened now.
    EXPECT_FALSE(W(Id::kMonth)->isEnabled());
}

TEST_F(AddTaskDlgTest, EveryDayMessageWithDefaultsStoresTheRecordAndTellsSo) {
    Open(3);
    Click(Id::kMessage);
    Click(Id::kDaily);
    Type(Edit(Id::kReminderEdit), U("开会"));
    EXPECT_EQ(dlg.ReminderText(), Gb("开会"));
    Click(Id::kSave);
    EXPECT_EQ(Stored(4), Value(Gb("1110,30_|开会")));
    EXPECT_EQ(reg.Get(kProgramKeyRead, "happen"), StoredString("4", 3));
    EXPECT_EQ(dlg.TaskCount(), 4);
    EXPECT_EQ(dlg.SavedCount(), 1);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, Gb("您的数据已经被成功地保存了\n"));
    EXPECT_EQ(boxes.shown[0].caption, Gb("守时鸟向您提示"));
    EXPECT_FALSE(W(Id::kSave)->isEnabled());
    Click(Id::kSave);  // disabled: nothing more is stored
    EXPECT_EQ(dlg.TaskCount(), 4);
}

TEST_F(AddTaskDlgTest, WeeklyProgramOnFridayAtTwentyTwo) {
    chooserAnswers = {"/opt/tools/backup"};
    Click(Id::kProgram);
    Click(Id::kWeekly);
    Click(Id::kBrowse);
    EXPECT_EQ(chooserCalls, 1);
    EXPECT_EQ(dlg.ProgramPath(), "/opt/tools/backup");
    Retype(Id::kHourEdit, "22");
    Retype(Id::kMinuteEdit, "0");
    Combo(Id::kWeekday)->setCurrentIndex(4);
    EXPECT_EQ(Combo(Id::kWeekday)->currentText(), U("星期五"));
    Click(Id::kSave);
    EXPECT_EQ(Stored(1), Value("0322,0_6|/opt/tools/backup"));
}

TEST_F(AddTaskDlgTest, WeekdayDigitsForSundayAndMondayAndNoScheduleChecked) {
    Click(Id::kMessage);
    Type(Edit(Id::kReminderEdit), "x");
    Click(Id::kSave);  // no schedule radio: weekly on the combo's day, Monday at first
    EXPECT_EQ(Stored(1), Value("1310,30_2|x"));
    Click(Id::kNext);
    Click(Id::kWeekly);
    Combo(Id::kWeekday)->setCurrentIndex(6);
    Type(Edit(Id::kReminderEdit), "y");
    Click(Id::kSave);
    EXPECT_EQ(Stored(2), Value("1310,30_1|y"));
    Click(Id::kNext);
    Combo(Id::kWeekday)->setCurrentIndex(0);
    Type(Edit(Id::kReminderEdit), "z");
    Click(Id::kSave);
    EXPECT_EQ(Stored(3), Value("1310,30_2|z"));
}

TEST_F(AddTaskDlgTest, DateTaskAndAnImpossibleDate) {
    Click(Id::kMessage);
    Click(Id::kOnDate);
    Combo(Id::kMonth)->setCurrentIndex(11);
    Combo(Id::kDay)->setCurrentIndex(24);
    Type(Edit(Id::kReminderEdit), "Merry");
    Click(Id::kSave);
    EXPECT_EQ(Stored(1), Value("1210,30_12.25|Merry"));

    Click(Id::kNext);
    Combo(Id::kMonth)->setEditText("2");
    Combo(Id::kDay)->setEditText("30");
    Type(Edit(Id::kReminderEdit), "never");
    Click(Id::kSave);
    EXPECT_FALSE(Stored(2).has_value());
    EXPECT_EQ(boxes.shown.back().text, Gb(ProblemText(AddTaskProblem::BadDate)));
    EXPECT_EQ(dlg.TaskCount(), 1);
    EXPECT_TRUE(W(Id::kSave)->isEnabled());
    EXPECT_EQ(Edit(Id::kReminderEdit)->text(), "never");
}

TEST_F(AddTaskDlgTest, SaveNextSaveAppendsTwoValues) {
    Open(5);
    Click(Id::kMessage);
    Click(Id::kDaily);
    Type(Edit(Id::kReminderEdit), "one");
    Click(Id::kSave);
    EXPECT_FALSE(W(Id::kSave)->isEnabled());
    Click(Id::kNext);
    EXPECT_TRUE(W(Id::kSave)->isEnabled());
    EXPECT_TRUE(Edit(Id::kReminderEdit)->text().isEmpty());
    EXPECT_TRUE(dlg.ReminderText().empty());
    EXPECT_TRUE(Checked(Id::kMessage));  // Next keeps everything but the text
    EXPECT_TRUE(Checked(Id::kDaily));
    Type(Edit(Id::kReminderEdit), "two");
    Click(Id::kSave);
    EXPECT_EQ(Stored(6), Value("1110,30_|one"));
    EXPECT_EQ(Stored(7), Value("1110,30_|two"));
    EXPECT_EQ(reg.Get(kProgramKeyRead, "happen"), StoredString("7", 3));
    EXPECT_EQ(dlg.TaskCount(), 7);
    EXPECT_EQ(dlg.SavedCount(), 2);
}

TEST_F(AddTaskDlgTest, SpinsWrapAnswerTheArrowKeysAndKeepTheirLastValidPosition) {
    Click(Id::kMessage);
    Click(Id::kDaily);
    Retype(Id::kHourEdit, "23");
    Arrow(Id::kHourSpin, true);
    EXPECT_EQ(Edit(Id::kHourEdit)->text(), "0");
    Arrow(Id::kHourSpin, false);
    EXPECT_EQ(Edit(Id::kHourEdit)->text(), "23");
    Retype(Id::kMinuteEdit, "59");
    QTest::keyClick(Edit(Id::kMinuteEdit), Qt::Key_Up);
    EXPECT_EQ(Edit(Id::kMinuteEdit)->text(), "0");
    QTest::keyClick(Edit(Id::kMinuteEdit), Qt::Key_Down);
    QTest::keyClick(Edit(Id::kMinuteEdit), Qt::Key_Down);
    EXPECT_EQ(Edit(Id::kMinuteEdit)->text(), "58");

    // Digits only: letters and signs never reach the edit.
    Retype(Id::kMinuteEdit, "4x-5");
    EXPECT_EQ(Edit(Id::kMinuteEdit)->text(), "45");
    Type(Edit(Id::kReminderEdit), "t");
    Click(Id::kSave);
    EXPECT_EQ(Stored(1), Value("1123,45_|t"));

    // 75 is no minute: Save takes the position the spin held before the typing.
    Click(Id::kNext);
    Retype(Id::kMinuteEdit, "75");
    EXPECT_EQ(Edit(Id::kMinuteEdit)->text(), "75");
    Type(Edit(Id::kReminderEdit), "u");
    Click(Id::kSave);
    EXPECT_EQ(Stored(2), Value("1123,45_|u"));
    EXPECT_EQ(Edit(Id::kMinuteEdit)->text(), "45");  // the edit shows what was stored
    // Stepping from text that is no minute starts at the last valid position.
    Retype(Id::kMinuteEdit, "");
    Arrow(Id::kMinuteSpin, true);
    EXPECT_EQ(Edit(Id::kMinuteEdit)->text(), "46");
    // Plain decimals, no separators, no leading zeros.
    Retype(Id::kHourEdit, "07");
    Arrow(Id::kHourSpin, true);
    EXPECT_EQ(Edit(Id::kHourEdit)->text(), "8");
}

TEST_F(AddTaskDlgTest, ReminderEditTakesAtMost66Bytes) {
    Click(Id::kMessage);
    const QString full = QString(U("会")).repeated(33);  // 66 bytes
    Type(Edit(Id::kReminderEdit), full);
    Type(Edit(Id::kReminderEdit), "a");
    EXPECT_EQ(Edit(Id::kReminderEdit)->text(), full);
    EXPECT_EQ(dlg.ReminderText(), Gb(full.toStdString()));
}

TEST_F(AddTaskDlgTest, TwentyFirstTaskIsRefusedAndTheInputsStay) {
    Open(20);
    Click(Id::kMessage);
    Click(Id::kDaily);
    Type(Edit(Id::kReminderEdit), U("第二十一个"));
    Click(Id::kSave);
    EXPECT_FALSE(Stored(21).has_value());
    EXPECT_TRUE(reg.writes.empty());
    EXPECT_EQ(dlg.TaskCount(), 20);
    EXPECT_EQ(dlg.SavedCount(), 0);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find("20"), std::string::npos);
    EXPECT_EQ(Edit(Id::kReminderEdit)->text(), U("第二十一个"));
    EXPECT_TRUE(Checked(Id::kMessage));
    EXPECT_TRUE(Checked(Id::kDaily));
    EXPECT_TRUE(W(Id::kSave)->isEnabled());  // Save may be tried again after deleting tasks
}

TEST_F(AddTaskDlgTest, RecordTooLongIsRefusedAndTheInputsStay) {
    const std::string longPath = "/" + std::string(89, 'p');  // record "0110,30_|" + 90 = 99 bytes
    chooserAnswers = {QString::fromStdString(longPath), QString::fromStdString(longPath + "q")};
    Click(Id::kProgram);
    Click(Id::kDaily);
    Click(Id::kBrowse);
    Click(Id::kSave);
    EXPECT_EQ(Stored(1), Value("0110,30_|" + longPath));  // 99 bytes fit
    Click(Id::kNext);
    Click(Id::kBrowse);
    Click(Id::kSave);
    EXPECT_FALSE(Stored(2).has_value());
    EXPECT_EQ(dlg.TaskCount(), 1);
    EXPECT_NE(boxes.shown.back().text.find("99"), std::string::npos);
    EXPECT_EQ(dlg.ProgramPath(), longPath + "q");
    EXPECT_TRUE(W(Id::kSave)->isEnabled());
}

TEST_F(AddTaskDlgTest, FileChoiceCancelUnstorablePathAndMissingProgram) {
    chooserAnswers = {"/usr/bin/xclock", QString(), U("/tmp/😀/run"), "/tmp/a|b"};
    Click(Id::kProgram);
    Click(Id::kDaily);
    Click(Id::kBrowse);
    EXPECT_EQ(dlg.ProgramPath(), "/usr/bin/xclock");
    EXPECT_EQ(W(Id::kBrowse)->toolTip(), "/usr/bin/xclock");
    Click(Id::kBrowse);  // cancelled: the path becomes empty
    EXPECT_TRUE(dlg.ProgramPath().empty());
    EXPECT_TRUE(boxes.shown.empty());
    Click(Id::kSave);  // a program task needs a program
    EXPECT_EQ(boxes.shown.back().text, Gb(ProblemText(AddTaskProblem::NoProgram)));
    EXPECT_TRUE(reg.writes.empty());
    Click(Id::kBrowse);
    EXPECT_EQ(boxes.shown.back().text, Gb(kPathNotGb));
    EXPECT_EQ(boxes.shown.back().caption, Gb("守时鸟向您提示"));
    EXPECT_TRUE(dlg.ProgramPath().empty());
    Click(Id::kBrowse);
    EXPECT_EQ(boxes.shown.back().text, Gb(kPathHasBar));
    EXPECT_TRUE(dlg.ProgramPath().empty());
    EXPECT_TRUE(reg.writes.empty());
}

TEST_F(AddTaskDlgTest, ExitGivesOkEscapeGivesCancelAndReopeningStartsFresh) {
    chooserAnswers = {"/usr/bin/xclock"};
    Click(Id::kProgram);
    Click(Id::kOnDate);
    Click(Id::kBrowse);
    QTimer::singleShot(0, &dlg, [this] { Click(Id::kExit); });
    EXPECT_EQ(dlg.exec(), kIdOk);

    Open(2);
    EXPECT_EQ(Enabled(), (std::set<int>{Id::kMessage, Id::kProgram}));
    for (int id : {Id::kMessage, Id::kProgram, Id::kDaily, Id::kOnDate, Id::kWeekly})
        EXPECT_FALSE(Checked(id)) << id;
    EXPECT_EQ(dlg.ProgramPath(), "/usr/bin/xclock");  // kept between openings
    Click(Id::kMessage);
    Type(Edit(Id::kReminderEdit), "kept");
    QTimer::singleShot(0, &dlg, [this] { QTest::keyClick(&dlg, Qt::Key_Escape); });
    EXPECT_EQ(dlg.exec(), kIdCancel);
    EXPECT_EQ(dlg.TaskCount(), 2);  // nothing saved: the owner sees no new task

    Open(2);
    EXPECT_EQ(Edit(Id::kReminderEdit)->text(), "kept");
    EXPECT_EQ(Combo(Id::kMonth)->count(), 12);  // refilled, not appended to
    EXPECT_EQ(Edit(Id::kHourEdit)->text(), "10");
}

}  // namespace
}  // namespace tocklet
