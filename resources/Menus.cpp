// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "resources/Menus.h"

namespace tocklet {

namespace {

MenuItem Item(int command, std::string_view text) { return MenuItem{command, text, false}; }
MenuItem DefaultItem(int command, std::string_view text) { return MenuItem{command, text, true}; }
MenuItem Separator() { return MenuItem{kSeparator, {}, false}; }

const MenuData& PanelMenu() {
    static const MenuData menu{kPanelMenuId,
                               {
                                   {"  时间参数设置[&F]",
                                    {
                                        Item(32792, "添加新任务[&N] \t Ctrl+n"),
                                        Item(32791, "删除废弃任务[&D]\t  Ctrl +d"),
                                        Separator(),
                                        Item(32788, "定时关机设置[&T]"),
                                        Item(32772, "整点报时设置[&C]   "),
                                        Separator(),
                                        Item(32773, "退出程序 [&X]"),
                                    }},
                                   {"其它选项 [&O]",
                                    {
                                        Item(32797, "给作者写信 [&W]"),
                                        Item(32806, "立即访问作者主页"),
                                    }},
                                   {"帮助文件[&H]",
                                    {
                                        Item(32774, "有关本软件[&A]"),
                                        Item(32781, "怎样使用本软件[&U]"),
                                    }},
                               }};
    return menu;
}

const MenuData& TrayMenu() {
    static const MenuData menu{kTrayMenuId,
                               {
                                   {" ",
                                    {
                                        DefaultItem(32776, " 系统参数设置"),
                                        Item(32798, " 显示/关闭时钟 "),
                                        Item(32805, " 改变时钟颜色"),
                                        Separator(),
                                        Item(32777, " 整点报时/关闭"),
                                        Item(32779, " 暂停监控"),
                                        Item(32784, " 恢复监控"),
                                        Separator(),
                                        Item(32787, " 关机时间设置"),
                                        Item(32780, " 退出本程序"),
                                    }},
                               }};
    return menu;
}

}  // namespace

const MenuData* FindMenu(int id) {
    if (id == kPanelMenuId) return &PanelMenu();
    if (id == kTrayMenuId) return &TrayMenu();
    return nullptr;
}

const std::vector<int>& ToolbarButtons(int id) {
    static const std::vector<int> panel{32792, 32800,      kSeparator, 32803, 32772,
                                        32773, kSeparator, 57607,      32781, 32807};
    static const std::vector<int> none;
    return id == kPanelToolbarId ? panel : none;
}

std::string_view ToolbarButtonName(int command) {
    switch (command) {
        case 32792:
            return "添加新任务";
        case 32800:
            return "日历";
        case 32803:
            return "删除废弃任务";
        case 32772:
            return "整点报时设置";
        case 32773:
            return "退出程序";
        case 57607:
            return "打印";
        case 32781:
            return "怎样使用本软件";
        case 32807:
            return "有关本软件";
        default:
            return {};
    }
}

std::string_view LoadStringResource(int id) {
    if (id == kAboutStringId) return "超级守时鸟说明";
    return {};
}

}  // namespace tocklet
