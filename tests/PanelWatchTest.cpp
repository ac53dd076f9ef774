// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The running panel and task lists changed outside it: read again in place and watched, with
// no restart; the same list left as it is; a change seen while a task dialog is open looked at
// when it closes, and a deletion chosen from a list that is no longer stored not carried out.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <functional>

#include "PanelHarness.h"
#include "resources/AddTaskIds.h"
#include "resources/DeleteTaskIds.h"

namespace tocklet::testing {
namespace {

const std::vector<std::string> kTwo{"1110,30_|one", "1110,30_|two"};
const std::string kReadAgain = "the task list changed in the registry file and was read again";

void Click(QWidget* dialog, int id) {
    auto* button = ControlAs<QAbstractButton>(dialog, id);
    ASSERT_NE(button, nullptr) << id;
    button->click();
}

// What another program does to the file, then the watch's call.
void ChangeOutside(PanelHarness& h, CMainPanelDlg& p, const std::vector<std::string>& records) {
    h.StoreTasks(records);
    p.OnRegistryFileChanged();
}

TEST(PanelWatch, AListChangedOutsideIsReadAgainAndWatchedWithoutARestart) {
    struct Row {
        const char* change;
        std::vector<std::string> stored;  // the list after the change
        bool readAgain;
        std::vector<std::string> fired;
    } rows[] = {
        {"a task added",
         {"1110,30_|one", "1110,30_|two", "1110,30_|lunch"},
         true,
         {"one", "two", "lunch"}},
        {"a task deleted", {"1110,30_|two"}, true, {"two"}},
        {"a task replaced", {"1110,30_|one", "1310,30_|two"}, true, {"one"}},
        {"the same list written again", kTwo, false, {"one", "two"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.change);
        PanelHarness h;
        h.StoreTasks(kTwo);
        CMainPanelDlg& p = h.Start();
        h.boxes.shown.clear();

        ::testing::internal::CaptureStderr();
        ChangeOutside(h, p, row.stored);
        const std::string said = ::testing::internal::GetCapturedStderr();

        EXPECT_EQ(said.find(kReadAgain) != std::string::npos, row.readAgain) << said;
        const int count = static_cast<int>(row.stored.size());
        EXPECT_EQ(p.Settings().m_nTaskCount, count);
        EXPECT_EQ(p.Tasks().TaskCount(), count);
        EXPECT_EQ(ControlAs<QLabel>(&p, kIdTaskCountText)->text(), QString::number(count));
        EXPECT_TRUE(h.boxes.shown.empty());
        EXPECT_EQ(FiredAtHalfPastTen(h), row.fired);
        EXPECT_EQ(h.self.instancesStarted, 0);
    }
}

TEST(PanelWatch, AChangeWhileTheAddTaskDialogIsOpenIsLookedAtWhenItCloses) {
    PanelHarness h;
    h.StoreTasks(kTwo);
    CMainPanelDlg& p = h.Start();
    int countWhileOpen = -1;
    Soon([&] {
        ChangeOutside(h, p, {"1110,30_|one", "1110,30_|two", "1110,30_|lunch"});
        countWhileOpen = p.Tasks().TaskCount();
        CAddTaskDlg* d = DialogOf<CAddTaskDlg>(p);
        Click(d, AddTaskIds::kMessage);  // enables its exit button
        Click(d, AddTaskIds::kExit);
    });
    Click(&p, kIdAddTasks);
    EXPECT_EQ(countWhileOpen, 2);
    EXPECT_EQ(p.Tasks().TaskCount(), 3);
    EXPECT_EQ(FiredAtHalfPastTen(h), (std::vector<std::string>{"one", "two", "lunch"}));
    EXPECT_EQ(h.self.instancesStarted, 0);
}

TEST(PanelWatch, ADeletionChosenFromAListNoLongerStoredIsNotCarriedOut) {
    PanelHarness h;
    h.StoreTasks(kTwo);
    CMainPanelDlg& p = h.Start();
    h.boxes.shown.clear();
    const std::vector<std::string> changed{"1110,30_|two", "1110,30_|lunch"};
    Soon([&] {
        ChangeOutside(h, p, changed);
        CDeleteTaskDlg* d = DialogOf<CDeleteTaskDlg>(p);
        ControlAs<QListWidget>(d, kDeleteListId)->setCurrentRow(0);
        Click(d, kDeleteButtonId);
    });
    h.registry.writes.clear();
    Click(&p, kIdDeleteTasks);

    EXPECT_TRUE(h.registry.writes.empty());
    EXPECT_EQ(h.self.instancesStarted, 0);
    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_EQ(h.boxes.shown[0].caption, Gb("守时鸟提示您"));
    EXPECT_EQ(p.Tasks().TaskCount(), 2);
    EXPECT_EQ(FiredAtHalfPastTen(h), (std::vector<std::string>{"two", "lunch"}));
}

}  // namespace
}  // namespace tocklet::testing
