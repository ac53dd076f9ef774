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
#include "tasks/ui/AddTaskDlg.h"
#include "tasks/TaskStore.h"

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
        for (int id : {1095, 1096, 1076, 1077, 1078, 1083, 1084, 1074, 1086, 1098, 1075, 1097, 1079,
                       1080, 1081}) {
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
    EXPECT_EQ(Enabled(), (std::set<int>{1095, 1096}));
    EXPECT_TRUE(W(1030)->isEnabled());  // the arrows themselves stay usable
    EXPECT_TRUE(W(1052)->isEnabled());
    for (int id : {1095, 1096, 1076, 1077, 1078}) EXPECT_FALSE(Checked(id)) << id;

    ASSERT_EQ(Combo(1083)->count(), 12);
    EXPECT_EQ(Combo(1083)->itemText(11), "12");
    EXPECT_EQ(Combo(1083)->currentText(), "1");
    ASSERT_EQ(Combo(1084)->count(), 31);
    EXPECT_EQ(Combo(1084)->itemText(30), "31");
    EXPECT_EQ(Combo(1084)->currentText(), "1");
    ASSERT_EQ(Combo(1098)->count(), 7);
    EXPECT_EQ(Combo(1098)->itemText(0), U("星期一"));
    EXPECT_EQ(Combo(1098)->itemText(6), U("星期日"));
    EXPECT_EQ(Combo(1098)->currentText(), U("星期一"));
    for (int id : {1083, 1084, 1098}) EXPECT_TRUE(Combo(id)->isEditable());
    EXPECT_EQ(Edit(1074)->text(), "10");
    EXPECT_EQ(Edit(1086)->text(), "30");
    EXPECT_TRUE(ControlAs<QPushButton>(&dlg, 1079)->isDefault());
}

TEST_F(AddTaskDlgTest, EachRadioEnablesAndDisablesItsControls) {
    Click(1095);
    EXPECT_TRUE(Checked(1095));
    EXPECT_EQ(Enabled(), (std::set<int>{1095, 1096, 1075, 1079, 1080, 1081, 1076, 1077, 1078}));
    Click(1077);
    EXPECT_EQ(Enabled(), (std::set<int>{1095, 1096, 1075, 1079, 1080, 1081, 1076, 1077, 1078, 1074,
                                        1086, 1083, 1084}));
    Click(1078);
    EXPECT_EQ(Enabled(), (std::set<int>{1095, 1096, 1075, 1079, 1080, 1081, 1076, 1077, 1078, 1074,
                                        1086, 1098}));
    Click(1096);  // a new action takes the time fields away again until a schedule is clicked
    EXPECT_TRUE(Checked(1096));
    EXPECT_FALSE(Checked(1095));
    EXPECT_EQ(Enabled(),
              (std::set<int>{1095, 1096, 1097, 1079, 1080, 1081, 1076, 1077, 1078, 1098}));
    Click(1076);
    EXPECT_TRUE(Checked(1076));
    EXPECT_FALSE(Checked(1078));
    EXPECT_EQ(Enabled(),
              (std::set<int>{1095, 1096, 1097, 1079, 1080, 1081, 1076, 1077, 1078, 1074, 1086}));
    // A disabled control ignores the mouse: the month combo cannot be opened now.
    EXPECT_FALSE(W(1083)->isEnabled());
}

TEST_F(AddTaskDlgTest, EveryDayMessageWithDefaultsStoresTheRecordAndTellsSo) {
    Open(3);
    Click(1095);
    Click(1076);
    Type(Edit(1075), U("开会"));
    EXPECT_EQ(dlg.ReminderText(), Gb("开会"));
    Click(1079);
    EXPECT_EQ(Stored(4), Value(Gb("1110,30_|开会")));
    EXPECT_EQ(reg.Get(kProgramKeyRead, "happen"), StoredString("4", 3));
    EXPECT_EQ(dlg.TaskCount(), 4);
    EXPECT_EQ(dlg.SavedCount(), 1);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, Gb("您的数据已经被成功地保存了\n"));
    EXPECT_EQ(boxes.shown[0].caption, Gb("守时鸟向您提示"));
    EXPECT_FALSE(W(1079)->isEnabled());
    Click(1079);  // disabled: nothing more is stored
    EXPECT_EQ(dlg.TaskCount(), 4);
}

TEST_F(AddTaskDlgTest, WeeklyProgramOnFridayAtTwentyTwo) {
    chooserAnswers = {"/opt/tools/backup"};
    Click(1096);
    Click(1078);
    Click(1097);
    EXPECT_EQ(chooserCalls, 1);
    EXPECT_EQ(dlg.ProgramPath(), "/opt/tools/backup");
    Retype(1074, "22");
    Retype(1086, "0");
    Combo(1098)->setCurrentIndex(4);
    EXPECT_EQ(Combo(1098)->currentText(), U("星期五"));
    Click(1079);
    EXPECT_EQ(Stored(1), Value("0322,0_6|/opt/tools/backup"));
}

TEST_F(AddTaskDlgTest, WeekdayDigitsForSundayAndMondayAndNoScheduleChecked) {
    Click(1095);
    Type(Edit(1075), "x");
    Click(1079);  // no schedule radio: weekly on the combo's day, Monday at first
    EXPECT_EQ(Stored(1), Value("1310,30_2|x"));
    Click(1080);
    Click(1078);
    Combo(1098)->setCurrentIndex(6);
    Type(Edit(1075), "y");
    Click(1079);
    EXPECT_EQ(Stored(2), Value("1310,30_1|y"));
    Click(1080);
    Combo(1098)->setCurrentIndex(0);
    Type(Edit(1075), "z");
    Click(1079);
    EXPECT_EQ(Stored(3), Value("1310,30_2|z"));
}

TEST_F(AddTaskDlgTest, DateTaskAndAnImpossibleDate) {
    Click(1095);
    Click(1077);
    Combo(1083)->setCurrentIndex(11);
    Combo(1084)->setCurrentIndex(24);
    Type(Edit(1075), "Merry");
    Click(1079);
    EXPECT_EQ(Stored(1), Value("1210,30_12.25|Merry"));

    Click(1080);
    Combo(1083)->setEditText("2");
    Combo(1084)->setEditText("30");
    Type(Edit(1075), "never");
    Click(1079);
    EXPECT_FALSE(Stored(2).has_value());
    EXPECT_EQ(boxes.shown.back().text, Gb(ProblemText(AddTaskProblem::BadDate)));
    EXPECT_EQ(dlg.TaskCount(), 1);
    EXPECT_TRUE(W(1079)->isEnabled());
    EXPECT_EQ(Edit(1075)->text(), "never");
}

TEST_F(AddTaskDlgTest, SaveNextSaveAppendsTwoValues) {
    Open(5);
    Click(1095);
    Click(1076);
    Type(Edit(1075), "one");
    Click(1079);
    EXPECT_FALSE(W(1079)->isEnabled());
    Click(1080);
    EXPECT_TRUE(W(1079)->isEnabled());
    EXPECT_TRUE(Edit(1075)->text().isEmpty());
    EXPECT_TRUE(dlg.ReminderText().empty());
    EXPECT_TRUE(Checked(1095));  // Next keeps everything but the text
    EXPECT_TRUE(Checked(1076));
    Type(Edit(1075), "two");
    Click(1079);
    EXPECT_EQ(Stored(6), Value("1110,30_|one"));
    EXPECT_EQ(Stored(7), Value("1110,30_|two"));
    EXPECT_EQ(reg.Get(kProgramKeyRead, "happen"), StoredString("7", 3));
    EXPECT_EQ(dlg.TaskCount(), 7);
    EXPECT_EQ(dlg.SavedCount(), 2);
}

TEST_F(AddTaskDlgTest, SpinsWrapAnswerTheArrowKeysAndKeepTheirLastValidPosition) {
    Click(1095);
    Click(1076);
    Retype(1074, "23");
    Arrow(1030, true);
    EXPECT_EQ(Edit(1074)->text(), "0");
    Arrow(1030, false);
    EXPECT_EQ(Edit(1074)->text(), "23");
    Retype(1086, "59");
    QTest::keyClick(Edit(1086), Qt::Key_Up);
    EXPECT_EQ(Edit(1086)->text(), "0");
    QTest::keyClick(Edit(1086), Qt::Key_Down);
    QTest::keyClick(Edit(1086), Qt::Key_Down);
    EXPECT_EQ(Edit(1086)->text(), "58");

    // Digits only: letters and signs never reach the edit.
    Retype(1086, "4x-5");
    EXPECT_EQ(Edit(1086)->text(), "45");
    Type(Edit(1075), "t");
    Click(1079);
    EXPECT_EQ(Stored(1), Value("1123,45_|t"));

    // 75 is no minute: Save takes the position the spin held before the typing.
    Click(1080);
    Retype(1086, "75");
    EXPECT_EQ(Edit(1086)->text(), "75");
    Type(Edit(1075), "u");
    Click(1079);
    EXPECT_EQ(Stored(2), Value("1123,45_|u"));
    EXPECT_EQ(Edit(1086)->text(), "45");  // the edit shows what was stored
    // Stepping from text that is no minute starts at the last valid position.
    Retype(1086, "");
    Arrow(1052, true);
    EXPECT_EQ(Edit(1086)->text(), "46");
    // Plain decimals, no separators, no leading zeros.
    Retype(1074, "07");
    Arrow(1030, true);
    EXPECT_EQ(Edit(1074)->text(), "8");
}

TEST_F(AddTaskDlgTest, ReminderEditTakesAtMost66Bytes) {
    Click(1095);
    const QString full = QString(U("会")).repeated(33);  // 66 bytes
    Type(Edit(1075), full);
    Type(Edit(1075), "a");
    EXPECT_EQ(Edit(1075)->text(), full);
    EXPECT_EQ(dlg.ReminderText(), Gb(full.toStdString()));
}

TEST_F(AddTaskDlgTest, TwentyFirstTaskIsRefusedAndTheInputsStay) {
    Open(20);
    Click(1095);
    Click(1076);
    Type(Edit(1075), U("第二十一个"));
    Click(1079);
    EXPECT_FALSE(Stored(21).has_value());
    EXPECT_TRUE(reg.writes.empty());
    EXPECT_EQ(dlg.TaskCount(), 20);
    EXPECT_EQ(dlg.SavedCount(), 0);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find("20"), std::string::npos);
    EXPECT_EQ(Edit(1075)->text(), U("第二十一个"));
    EXPECT_TRUE(Checked(1095));
    EXPECT_TRUE(Checked(1076));
    EXPECT_TRUE(W(1079)->isEnabled());  // Save may be tried again after deleting tasks
}

TEST_F(AddTaskDlgTest, RecordTooLongIsRefusedAndTheInputsStay) {
    const std::string longPath = "/" + std::string(89, 'p');  // record "0110,30_|" + 90 = 99 bytes
    chooserAnswers = {QString::fromStdString(longPath), QString::fromStdString(longPath + "q")};
    Click(1096);
    Click(1076);
    Click(1097);
    Click(1079);
    EXPECT_EQ(Stored(1), Value("0110,30_|" + longPath));  // 99 bytes fit
    Click(1080);
    Click(1097);
    Click(1079);
    EXPECT_FALSE(Stored(2).has_value());
    EXPECT_EQ(dlg.TaskCount(), 1);
    EXPECT_NE(boxes.shown.back().text.find("99"), std::string::npos);
    EXPECT_EQ(dlg.ProgramPath(), longPath + "q");
    EXPECT_TRUE(W(1079)->isEnabled());
}

TEST_F(AddTaskDlgTest, FileChoiceCancelUnstorablePathAndMissingProgram) {
    chooserAnswers = {"/usr/bin/xclock", QString(), U("/tmp/😀/run"), "/tmp/a|b"};
    Click(1096);
    Click(1076);
    Click(1097);
    EXPECT_EQ(dlg.ProgramPath(), "/usr/bin/xclock");
    EXPECT_EQ(W(1097)->toolTip(), "/usr/bin/xclock");
    Click(1097);  // cancelled: the path becomes empty
    EXPECT_TRUE(dlg.ProgramPath().empty());
    EXPECT_TRUE(boxes.shown.empty());
    Click(1079);  // a program task needs a program
    EXPECT_EQ(boxes.shown.back().text, Gb(ProblemText(AddTaskProblem::NoProgram)));
    EXPECT_TRUE(reg.writes.empty());
    Click(1097);
    EXPECT_EQ(boxes.shown.back().text, Gb(kPathNotGb));
    EXPECT_EQ(boxes.shown.back().caption, Gb("守时鸟向您提示"));
    EXPECT_TRUE(dlg.ProgramPath().empty());
    Click(1097);
    EXPECT_EQ(boxes.shown.back().text, Gb(kPathHasBar));
    EXPECT_TRUE(dlg.ProgramPath().empty());
    EXPECT_TRUE(reg.writes.empty());
}

TEST_F(AddTaskDlgTest, ExitGivesOkEscapeGivesCancelAndReopeningStartsFresh) {
    chooserAnswers = {"/usr/bin/xclock"};
    Click(1096);
    Click(1077);
    Click(1097);
    QTimer::singleShot(0, &dlg, [this] { Click(1081); });
    EXPECT_EQ(dlg.exec(), kIdOk);

    Open(2);
    EXPECT_EQ(Enabled(), (std::set<int>{1095, 1096}));
    for (int id : {1095, 1096, 1076, 1077, 1078}) EXPECT_FALSE(Checked(id)) << id;
    EXPECT_EQ(dlg.ProgramPath(), "/usr/bin/xclock");  // kept between openings
    Click(1095);
    Type(Edit(1075), "kept");
    QTimer::singleShot(0, &dlg, [this] { QTest::keyClick(&dlg, Qt::Key_Escape); });
    EXPECT_EQ(dlg.exec(), kIdCancel);
    EXPECT_EQ(dlg.TaskCount(), 2);  // nothing saved: the owner sees no new task

    Open(2);
    EXPECT_EQ(Edit(1075)->text(), "kept");
    EXPECT_EQ(Combo(1083)->count(), 12);  // refilled, not appended to
    EXPECT_EQ(Edit(1074)->text(), "10");
}

}  // namespace
}  // namespace tocklet
