// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "controls/DialogBuilder.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakeRegistry.h"
#include "resources/Templates.h"
#include "settings/SettingsStore.h"
#include "store/Text.h"
#include "tasks/TaskStore.h"
#include "tasks/ui/DeleteTaskDlg.h"

namespace tocklet {
namespace {

using testing::FakeMessageBoxes;
using testing::FakeRegistry;

const std::string kDaily = "1110,30_|D";
const std::string kDate = "128,5_12.25|T";
const std::string kWeekly = "1322,0_6|W";

class DeleteTaskDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        reg.AddKey(kProgramKeyRead);
        reg.AddKey(kCurrentVersionKeyRead);
    }
    // Stores the records as values 1, 2, ... and loads them as the panel does at start-up.
    void Store(const std::vector<std::string>& records, int count = -1) {
        for (std::size_t i = 0; i < records.size(); ++i) {
            if (!records[i].empty())
                reg.Put(kProgramKeyRead, std::to_string(i + 1), StoredString(records[i], 100));
        }
        settings.m_nTaskCount = count < 0 ? static_cast<int>(records.size()) : count;
        ASSERT_TRUE(tasks.LoadTasks(settings.m_nTaskCount));
    }
    void Open() {
        ASSERT_TRUE(dlg.OnInitDialog(tasks.DeleteRows()));
        dlg.show();
    }
    QListWidget* list() { return ControlAs<QListWidget>(&dlg, kDeleteListId); }
    QStringList Rows() {
        QStringList rows;
        for (int i = 0; i < list()->count(); ++i) rows << list()->item(i)->text();
        return rows;
    }
    void ClickDelete() {
        QTest::mouseClick(ControlAs<QPushButton>(&dlg, kDeleteButtonId), Qt::LeftButton);
    }
    // The main panel's steps after the dialog reported a deletion.
    void DeleteAndStore() {
        ASSERT_TRUE(tasks.DeleteTask(dlg.DeletedValue()));
        settings.m_nTaskCount = tasks.TaskCount();
        reg.writes.clear();
        EXPECT_TRUE(SettingsStore(reg).SaveSettings(settings).Ok());
        EXPECT_TRUE(tasks.RewriteTasks(settings.m_nTasksAdded).Ok());
    }
    std::string Value(int v) {
        const std::string bytes = reg.Get(kProgramKeyRead, std::to_string(v)).value_or("");
        return std::string(UpToZero(bytes));
    }
    bool Rewrote(const std::string& name) {
        for (const auto& w : reg.writes)
            if (w.name == name) return true;
        return false;
    }

    FakeRegistry reg;
    FakeMessageBoxes boxes;
    PanelSettings settings;
    TaskStore tasks{reg};
    CDeleteTaskDlg dlg{boxes};
};

TEST_F(DeleteTaskDlgTest, WindowFromItsTemplate) {
    const DialogTemplate& t = DeleteTaskTemplate();
    EXPECT_EQ(t.rect.width, 246);
    EXPECT_EQ(t.rect.height, 125);
    EXPECT_EQ(t.fontFace, "宋体");
    EXPECT_EQ(t.fontPointSize, 10);
    ASSERT_EQ(t.controls.size(), 3u);
    EXPECT_EQ(FindControl(t, 1105)->rect.width, 234);
    EXPECT_TRUE(FindControl(t, 1105)->style & ControlStyle::kVScroll);
    EXPECT_EQ(FindControl(t, 1108)->caption, "删除[&D]");
    EXPECT_EQ(FindControl(t, 1081)->rect.height, 15);
    EXPECT_EQ(dlg.windowTitle(), "更新任务");
}

TEST_F(DeleteTaskDlgTest, RowsByScheduleAndDeletionCompactsTheList) {
    Store({kWeekly, kDaily, kDate});
    Open();
    EXPECT_EQ(Rows(), QStringList({"D", "T", "W"}));
    EXPECT_EQ(list()->currentRow(), 0);

    ClickDelete();
    EXPECT_EQ(dlg.result(), kIdOk);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.RowCount(), 2);
    EXPECT_EQ(dlg.RowText(0), "!");
    EXPECT_EQ(dlg.DeletedValue(), 2);

    DeleteAndStore();
    EXPECT_EQ(Value(1), kWeekly);
    EXPECT_EQ(Value(2), kDate);
    EXPECT_EQ(*reg.Get(kProgramKeyRead, "happen"), std::string("2\0\0", 3));
    EXPECT_FALSE(Rewrote("3"));
}

TEST_F(DeleteTaskDlgTest, HighestValueNumberMovesNothing) {
    Store({kWeekly, kDaily, kDate});
    Open();
    list()->setCurrentRow(1);  // T, value 3
    ClickDelete();
    EXPECT_EQ(dlg.DeletedValue(), 3);
    DeleteAndStore();
    EXPECT_EQ(Value(1), kWeekly);
    EXPECT_EQ(Value(2), kDaily);
    EXPECT_EQ(*reg.Get(kProgramKeyRead, "happen"), std::string("2\0\0", 3));
}

TEST_F(DeleteTaskDlgTest, OnlyTaskLeavesAnEmptyList) {
    Store({kDaily});
    Open();
    ClickDelete();
    DeleteAndStore();
    EXPECT_EQ(*reg.Get(kProgramKeyRead, "happen"), std::string("0\0\0", 3));
    EXPECT_FALSE(Rewrote("1"));
}

TEST_F(DeleteTaskDlgTest, MissingValuesDoNotShiftTheRowsOffTheirTasks) {
    Store({"1110,0_|A", "", "1111,0_|B", "1112,0_|C"});
    Open();
    EXPECT_EQ(Rows(), QStringList({"A", "B", "C"}));
    list()->setCurrentRow(1);
    ClickDelete();
    EXPECT_EQ(dlg.DeletedValue(), 3);
    DeleteAndStore();
    EXPECT_EQ(Value(1), "1110,0_|A");
    EXPECT_EQ(Value(3), "1112,0_|C");
    EXPECT_EQ(*reg.Get(kProgramKeyRead, "happen"), std::string("3\0\0", 3));
}

TEST_F(DeleteTaskDlgTest, TaskNamedLikeTheMarkIsNotMistakenForTheDeletedRow) {
    Store({"1110,0_|!", "1111,0_|x"});
    Open();
    list()->setCurrentRow(1);
    ClickDelete();
    EXPECT_EQ(dlg.DeletedRow(), 1);
    EXPECT_EQ(dlg.DeletedValue(), 2);
    DeleteAndStore();
    EXPECT_EQ(Value(1), "1110,0_|!");
    EXPECT_EQ(*reg.Get(kProgramKeyRead, "happen"), std::string("1\0\0", 3));
}

TEST_F(DeleteTaskDlgTest, ChineseRowsAreShownAsStored) {
    Store({"1110,0_|" + Gb("开会,下午三点")});
    Open();
    EXPECT_EQ(Rows(), QStringList({"开会,下午三点"}));
}

TEST_F(DeleteTaskDlgTest, OneDeletionPerOpening) {
    Store({kDaily, "1111,0_|E", "1112,0_|F"});
    int clicks = 0;
    QTimer::singleShot(0, [&] {
        ClickDelete();
        ++clicks;
        // A second press cannot reach a dialog that has already closed.
        if (dlg.isVisible()) ClickDelete();
    });
    EXPECT_EQ(dlg.DoModal(tasks.DeleteRows()), 1);
    EXPECT_EQ(dlg.result(), kIdOk);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(dlg.RowCount(), 2);
    int marked = 0;
    for (int row = 0; row < kMaxTasks; ++row) marked += dlg.RowText(row) == "!";
    EXPECT_EQ(marked, 1);
}

TEST_F(DeleteTaskDlgTest, NoRowsTellsTheUserAndClosesAtOnce) {
    Store({}, 0);
    EXPECT_EQ(dlg.DoModal(tasks.DeleteRows()), 0);
    EXPECT_EQ(dlg.result(), kIdOk);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              Gb("    没有取得数据,可能是没有任务,\n 也可能是调用数据失败,请重新添加任务 "));
    EXPECT_EQ(boxes.shown[0].caption, Gb("守时鸟提示您"));
    EXPECT_EQ(boxes.shown[0].icon, MbIcon::None);
    EXPECT_EQ(dlg.DeletedValue(), 0);
    EXPECT_FALSE(dlg.isVisible());
}

TEST_F(DeleteTaskDlgTest, NothingSelectedDeletesNothing) {
    Store({kDaily, kDate});
    Open();
    list()->clearSelection();
    ClickDelete();
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>({Gb(" 没有选项可删除了")}));
    EXPECT_EQ(boxes.shown[0].caption, Gb("请您注意"));
    EXPECT_EQ(dlg.result(), kIdOk);
    EXPECT_EQ(dlg.RowCount(), 2);
    EXPECT_EQ(dlg.DeletedValue(), 0);
}

TEST_F(DeleteTaskDlgTest, ExitEscapeAndEnterDeleteNothing) {
    Store({kDaily, kDate});
    Open();
    QTest::mouseClick(ControlAs<QPushButton>(&dlg, kDeleteExitId), Qt::LeftButton);
    EXPECT_EQ(dlg.result(), kIdCancel);
    Open();
    QTest::keyClick(list(), Qt::Key_Escape);
    EXPECT_EQ(dlg.result(), kIdCancel);
    Open();
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), kIdOk);
    EXPECT_EQ(dlg.RowCount(), 2);
    EXPECT_EQ(dlg.DeletedValue(), 0);
    EXPECT_EQ(Rows().size(), 2);

    // Enter on the focused delete button deletes, as a click does.
    Open();
    for (QPushButton* button : dlg.findChildren<QPushButton*>()) {
        EXPECT_FALSE(button->isDefault());
    }
    auto* remove = ControlAs<QPushButton>(&dlg, kDeleteButtonId);
    remove->setFocus();
    QTest::keyClick(remove, Qt::Key_Return);
    EXPECT_EQ(dlg.DeletedValue(), 1);
}

}  // namespace
}  // namespace tocklet
