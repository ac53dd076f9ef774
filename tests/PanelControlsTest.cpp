// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The panel's mail link, round button and toolbar, and its help commands.
#include <gtest/gtest.h>

#include <QToolBar>
#include <QToolButton>
#include <fstream>

#include "PanelHarness.h"
#include "TempDir.h"
#include "controls/CircleButton.h"
#include "controls/LinkLabel.h"
#include "controls/MenuBuilder.h"
#include "controls/ToolbarPager.h"
#include "platform/DataDirs.h"
#include "resources/ProductInfo.h"
#include "shell/AboutDlg.h"

namespace tocklet::testing {
namespace {

// Runs in folder until the end of the scope.
struct InFolder {
    explicit InFolder(const std::filesystem::path& folder)
        : previous(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~InFolder() { std::filesystem::current_path(previous); }
    std::filesystem::path previous;
};

TEST(PanelControls, MailLinkRoundButtonAndToolbar) {
    PanelHarness h;
    h.StoreTasks({Gb("1110,30_|one")});
    CMainPanelDlg& p = h.Start();
    auto* link = ControlAs<CLinkLabel>(&p, kIdMailLink);
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->Target(), MailTarget());
    EXPECT_EQ(link->TextColour(), Rgb(0, 255, 0));
    EXPECT_TRUE(link->font().underline());

    auto* button = ControlAs<CCircleButton>(&p, kIdChangePassword);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->width(), button->height());

    auto* pager = ControlAs<CToolbarPager>(&p, kIdToolbarPager);
    ASSERT_NE(pager, nullptr);
    auto* toolbar = qobject_cast<QToolBar*>(pager->Child());
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(toolbar->actions().size(), 10);
    // The panel's strip is wide enough for the whole toolbar.
    EXPECT_FALSE(pager->ForwardArrow()->isVisibleTo(pager));

    // Toolbar buttons without a handler do nothing.
    for (QAction* action : toolbar->actions()) {
        const int command = CommandOf(action);
        if (command == kCmdCalendarToolbar || command == kCmdPrintToolbar) action->trigger();
    }
    EXPECT_TRUE(h.shell.opened.empty());
    EXPECT_EQ(h.boxes.shown.size(), 0u);
}

TEST(PanelControls, HelpCommands) {
    PanelHarness h;
    h.StoreTasks({Gb("1110,30_|one")});
    CMainPanelDlg& p = h.Start();
    EXPECT_TRUE(p.OnCommand(kCmdMailAuthor));
    EXPECT_TRUE(p.OnCommand(kCmdHomePage));
    EXPECT_EQ(h.shell.opened, (std::vector<std::string>{MailTarget(), std::string(HomePage())}));

    for (int command : {kCmdAbout, kCmdAboutToolbar}) {
        QString caption;
        Soon([&caption] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* about = qobject_cast<CAboutDlg*>(w); about && about->isVisible()) {
                    caption = about->windowTitle();
                    ControlAs<QAbstractButton>(about, kIdOk)->click();
                }
            }
        });
        EXPECT_TRUE(p.OnCommand(command));
        EXPECT_EQ(caption, QStringLiteral("版本信息"));
    }
}

TEST(PanelControls, ReadMeFromTheCurrentFolderElseSaidMissing) {
    PanelHarness h;
    h.StoreTasks({Gb("1110,30_|one")});
    CMainPanelDlg& p = h.Start();
    TempDir dir;
    InFolder here(dir.Path());
    if (!FindDataFile("ReadMe.txt", {}, ProgramDataDirs())) {
        EXPECT_TRUE(p.OnCommand(kCmdReadMe));
        ASSERT_EQ(h.boxes.shown.size(), 1u);
        EXPECT_NE(h.boxes.shown[0].text.find("ReadMe.txt"), std::string::npos);
        EXPECT_TRUE(h.shell.opened.empty());
    }
    std::ofstream(dir.File("ReadMe.txt")) << "read me";
    h.boxes.shown.clear();
    EXPECT_TRUE(p.OnCommand(kCmdReadMe));
    EXPECT_EQ(h.shell.opened, std::vector<std::string>{dir.File("ReadMe.txt")});
    h.shell.result = false;
    EXPECT_TRUE(p.OnCommand(kCmdReadMe));
    EXPECT_EQ(h.boxes.shown.size(), 1u);  // the desktop could not open it: said so
}

}  // namespace
}  // namespace tocklet::testing
