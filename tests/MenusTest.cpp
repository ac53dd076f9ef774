// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "resources/Menus.h"

namespace tocklet {
namespace {

using Items = std::vector<std::pair<int, std::string>>;

Items ItemsOf(const MenuPopup& popup) {
    Items items;
    for (const MenuItem& item : popup.items) items.emplace_back(item.command, item.text);
    return items;
}

TEST(MenusTest, PanelMenuBarInOrderWithItsBlanksAndTabs) {
    const MenuData* menu = FindMenu(kPanelMenuId);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->popups.size(), 3u);
    EXPECT_EQ(menu->popups[0].title, "  时间参数设置[&F]");
    EXPECT_EQ(menu->popups[1].title, "其它选项 [&O]");
    EXPECT_EQ(menu->popups[2].title, "帮助文件[&H]");
    EXPECT_EQ(ItemsOf(menu->popups[0]), (Items{{32792, "添加新任务[&N] \t Ctrl+n"},
                                               {32791, "删除废弃任务[&D]\t  Ctrl +d"},
                                               {kSeparator, ""},
                                               {32788, "定时关机设置[&T]"},
                                               {32772, "整点报时设置[&C]   "},
                                               {kSeparator, ""},
                                               {32773, "退出程序 [&X]"}}));
    EXPECT_EQ(ItemsOf(menu->popups[1]),
              (Items{{32797, "给作者写信 [&W]"}, {32806, "立即访问作者主页"}}));
    EXPECT_EQ(ItemsOf(menu->popups[2]),
              (Items{{32774, "有关本软件[&A]"}, {32781, "怎样使用本软件[&U]"}}));
    for (const MenuPopup& popup : menu->popups)
        for (const MenuItem& item : popup.items) EXPECT_FALSE(item.isDefault);
}

TEST(MenusTest, TrayMenuHasOneBlankTitledPopupWithItsFirstItemDefault) {
    const MenuData* menu = FindMenu(kTrayMenuId);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->popups.size(), 1u);
    EXPECT_EQ(menu->popups[0].title, " ");
    EXPECT_EQ(ItemsOf(menu->popups[0]), (Items{{32776, " 系统参数设置"},
                                               {32798, " 显示/关闭时钟 "},
                                               {32805, " 改变时钟颜色"},
                                               {kSeparator, ""},
                                               {32777, " 整点报时/关闭"},
                                               {32779, " 暂停监控"},
                                               {32784, " 恢复监控"},
                                               {kSeparator, ""},
                                               {32787, " 关机时间设置"},
                                               {32780, " 退出本程序"}}));
    const auto& items = menu->popups[0].items;
    EXPECT_TRUE(items[0].isDefault);
    for (std::size_t i = 1; i < items.size(); ++i) EXPECT_FALSE(items[i].isDefault);
}

TEST(MenusTest, UnknownNumbersGiveNothing) {
    EXPECT_EQ(FindMenu(0), nullptr);
    EXPECT_EQ(FindMenu(103), nullptr);
    EXPECT_TRUE(ToolbarButtons(103).empty());
    EXPECT_TRUE(LoadStringResource(102).empty());
}

TEST(MenusTest, ToolbarOrderAndAboutString) {
    EXPECT_EQ(ToolbarButtons(kPanelToolbarId),
              (std::vector<int>{32792, 32800, kSeparator, 32803, 32772, 32773, kSeparator, 57607,
                                32781, 32807}));
    EXPECT_EQ(LoadStringResource(kAboutStringId), "超级守时鸟说明");
}

}  // namespace
}  // namespace tocklet
