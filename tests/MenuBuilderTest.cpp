// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <QStyleOptionMenuItem>
#include <QWidget>

#include "controls/MenuBuilder.h"
#include "resources/CommandIds.h"

namespace tocklet {
namespace {

// Exposes how the menu hands an item to the style for drawing.
class InspectableMenu : public QMenu {
public:
    using QMenu::initStyleOption;
    using QMenu::QMenu;
};

TEST(MenuBuilderTest, MenuBarCarriesCommandsTextsAndSeparators) {
    QWidget window;
    QMenuBar* bar = BuildMenuBar(*FindMenu(kPanelMenuId), &window);
    ASSERT_EQ(bar->actions().size(), 3);
    EXPECT_EQ(bar->actions()[1]->text(), QStringLiteral("其它选项 [&O]"));
    QMenu* first = bar->actions()[0]->menu();
    ASSERT_NE(first, nullptr);
    QList<int> commands;
    for (QAction* action : first->actions()) commands << CommandOf(action);
    EXPECT_EQ(commands,
              (QList<int>{kCmdAddTasksMenu, kCmdDeleteTasksMenu, kSeparator,
                          kCmdSetShutdownTimeMenu, kCmdToggleChimeMenu, kSeparator, kCmdExitMenu}));
    EXPECT_TRUE(first->actions()[2]->isSeparator());
    EXPECT_EQ(first->actions()[4]->text(), QStringLiteral("整点报时设置[&C]   "));
    EXPECT_EQ(CommandOf(nullptr), kSeparator);
    EXPECT_EQ(FindCommandAction(bar, kCmdReadMe)->text(), QStringLiteral("怎样使用本软件[&U]"));
    EXPECT_EQ(FindCommandAction(bar, 1), nullptr);
}

TEST(MenuBuilderTest, TextAfterATabIsDrawnInTheShortcutColumnButBindsNoKey) {
    QWidget window;
    InspectableMenu menu;
    const MenuPopup& popup = FindMenu(kPanelMenuId)->popups[0];
    for (const MenuItem& item : popup.items)
        if (item.command != kSeparator)
            menu.addAction(QString::fromUtf8(item.text.data(), qsizetype(item.text.size())))
                ->setData(item.command);
    QAction* add = FindCommandAction(&menu, kCmdAddTasksMenu);
    ASSERT_NE(add, nullptr);
    EXPECT_TRUE(add->shortcut().isEmpty());

    menu.ensurePolished();
    (void)menu.sizeHint();  // lays the items out, which measures the shortcut column
    QStyleOptionMenuItem option;
    menu.initStyleOption(&option, add);
    EXPECT_EQ(option.text, QStringLiteral("添加新任务[&N] \t Ctrl+n"));
    EXPECT_GT(option.reservedShortcutWidth, 0);
}

TEST(MenuBuilderTest, TrayPopupHasItsFirstItemBoldAsDefault) {
    QWidget window;
    QMenu* menu = BuildPopupMenu(FindMenu(kTrayMenuId)->popups[0], &window);
    EXPECT_EQ(menu->title(), QStringLiteral(" "));
    ASSERT_EQ(menu->actions().size(), 10);
    QAction* first = menu->actions()[0];
    EXPECT_EQ(CommandOf(first), kCmdShowPanel);
    EXPECT_EQ(first->text(), QStringLiteral(" 系统参数设置"));
    EXPECT_EQ(menu->defaultAction(), first);
    EXPECT_TRUE(first->font().bold());
    EXPECT_FALSE(menu->actions()[1]->font().bold());

    // Moving the default moves the bold face with it.
    QAction* exit = FindCommandAction(menu, kCmdExitIconMenu);
    SetDefaultItem(menu, exit);
    EXPECT_EQ(menu->defaultAction(), exit);
    EXPECT_TRUE(exit->font().bold());
    EXPECT_FALSE(first->font().bold());
}

}  // namespace
}  // namespace tocklet
