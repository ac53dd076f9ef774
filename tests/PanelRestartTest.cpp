// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The panel's restarts when no new instance starts: after tasks were added, after one was
// deleted and after Escape, the running panel stays, says why once, and watches the task list
// as the new instance would have loaded it.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <algorithm>
#include <functional>

#include "PanelHarness.h"
#include "TypeText.h"

namespace tocklet::testing {
namespace {

void Click(QWidget* dialog, int id) {
    auto* button = ControlAs<QAbstractButton>(dialog, id);
    ASSERT_NE(button, nullptr) << id;
    button->click();
}

// Stores "午饭" as a message every day at the dialog's 10:30, then leaves the dialog.
void AddLunch(PanelHarness&, CMainPanelDlg& p) {
    Soon([&p] {
        CAddTaskDlg* d = DialogOf<CAddTaskDlg>(p);
        Click(d, 1095);  // message
        Click(d, 1076);  // every day
        Type(ControlAs<QLineEdit>(d, 1075), U("午饭"));
        Click(d, 1079);  // save
        Click(d, 1081);  // exit
    });
    Click(&p, kIdAddTasks);
}

// Deletes the first row of the delete list ("one").
void DeleteFirst(PanelHarness&, CMainPanelDlg& p) {
    Soon([&p] {
        ControlAs<QListWidget>(DialogOf<CDeleteTaskDlg>(p), 1105)->setCurrentRow(0);
        Click(DialogOf<CDeleteTaskDlg>(p), 1108);
    });
    Click(&p, kIdDeleteTasks);
}

void PressEscape(PanelHarness&, CMainPanelDlg& p) { QTest::keyClick(&p, Qt::Key_Escape); }

long TimesShown(const FakeMessageBoxes& boxes, const std::string& text) {
    const std::vector<std::string> texts = boxes.Texts();
    return std::count(texts.begin(), texts.end(), text);
}

TEST(PanelRestart, WithoutANewInstanceThePanelStaysSaysWhyOnceAndWatchesTheNewList) {
    const std::string said = Gb(" 无法重新启动守时鸟,程序文件不存在或不能运行:\n   ") +
                             "/opt/tocklet/bin/tocklet" +
                             Gb("\n 守时鸟将继续工作,任务已经重新载入. ");
    struct Row {
        const char* restart;
        std::function<void(PanelHarness&, CMainPanelDlg&)> act;
        int iconRemovals;  ///< the icon goes before the start after adding and after Escape
        std::vector<std::string> fired;
    } rows[] = {
        {"after adding", AddLunch, 1, {"one", "two", Gb("午饭")}},
        {"after deleting", DeleteFirst, 0, {"two"}},
        {"after Escape", PressEscape, 1, {"one", "two"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.restart);
        PanelHarness h;
        h.StoreTasks({"1110,30_|one", "1110,30_|two"});
        h.self.failure = "No such file or directory";
        CMainPanelDlg& p = h.Start();
        p.show();
        h.boxes.shown.clear();

        ::testing::internal::CaptureStderr();
        row.act(h, p);
        const std::string stderrText = ::testing::internal::GetCapturedStderr();

        EXPECT_EQ(h.self.instancesStarted, 1);
        EXPECT_EQ(p.result(), 0);  // not ended
        EXPECT_TRUE(p.isVisible());
        EXPECT_TRUE(h.tray.shown);
        EXPECT_EQ(h.tray.removes, row.iconRemovals);
        EXPECT_EQ(h.tray.iconId, kTrayIconWorking);
        EXPECT_EQ(TimesShown(h.boxes, said), 1);
        ASSERT_FALSE(h.boxes.shown.empty());
        EXPECT_EQ(h.boxes.shown.back().text, said);
        EXPECT_EQ(h.boxes.shown.back().caption, Gb("守时鸟向您提示"));
        EXPECT_EQ(h.boxes.shown.back().icon, MbIcon::Question);
        EXPECT_NE(stderrText.find("tocklet: cannot start a new instance: "
                                  "/opt/tocklet/bin/tocklet: No such file or directory"),
                  std::string::npos)
            << stderrText;

        // The list as stored, loaded and counted on the panel.
        const int count = static_cast<int>(row.fired.size());
        EXPECT_EQ(p.Settings().m_nTaskCount, count);
        EXPECT_EQ(p.Settings().m_nTasksAdded, 0);
        EXPECT_EQ(p.Tasks().TaskCount(), count);
        EXPECT_EQ(ControlAs<QLabel>(&p, kIdTaskCountText)->text(), QString::number(count));
        EXPECT_EQ(FiredAtHalfPastTen(h), row.fired);

        // Once a new instance can start, the next restart hands over as always.
        h.self.failure.clear();
        QTest::keyClick(&p, Qt::Key_Escape);
        EXPECT_EQ(h.self.instancesStarted, 2);
        EXPECT_EQ(p.result(), kIdCancel);
        EXPECT_FALSE(h.tray.shown);
        EXPECT_EQ(TimesShown(h.boxes, said), 1);
    }
}

}  // namespace
}  // namespace tocklet::testing
