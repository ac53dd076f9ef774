// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "resources/Menus.h"

#include "resources/CommandIds.h"

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
                                        Item(kCmdAddTasksMenu, "添加新任务[&N] \t Ctrl+n"),
                                        Item(kCmdDeleteTasksMenu, "删除废弃任务[&D]\t  Ctrl +d"),
                                        Separator(),
                                        Item(kCmdSetShutdownTimeMenu, "定时关机设置[&T]"),
                                        Item(kCmdToggleChimeMenu, "整点报时设置[&C]   "),
                                        Separator(),
                                        Item(kCmdExitMenu, "退出程序 [&X]"),
                                    }},
                                   {"其它选项 [&O]",
                                    {
                                        Item(kCmdMailAuthor, "给作者写信 [&W]"),
                                        Item(kCmdHomePage, "立即访问作者主页"),
                                    }},
                                   {"帮助文件[&H]",
                                    {
                                        Item(kCmdAbout, "有关本软件[&A]"),
                                        Item(kCmdReadMe, "怎样使用本软件[&U]"),
                                    }},
                               }};
    return menu;
}

const MenuData& TrayMenu() {
    static const MenuData menu{kTrayMenuId,
                               {
                                   {" ",
                                    {
                                        DefaultItem(kCmdShowPanel, " 系统参数设置"),
                                        Item(kCmdToggleClock, " 显示/关闭时钟 "),
                                        Item(kCmdChangeClockColor, " 改变时钟颜色"),
                                        Separator(),
                                        Item(kCmdToggleChime, " 整点报时/关闭"),
                                        Item(kCmdPauseMonitoring, " 暂停监控"),
                                        Item(kCmdResumeMonitoring, " 恢复监控"),
                                        Separator(),
                                        Item(kCmdSetShutdownTimeIconMenu, " 关机时间设置"),
                                        Item(kCmdExitIconMenu, " 退出本程序"),
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
    static const std::vector<int> panel{
        kCmdAddTasksMenu,    kCmdCalendarToolbar, kSeparator, kCmdDeleteTasksToolbar,
        kCmdToggleChimeMenu, kCmdExitMenu,        kSeparator, kCmdPrintToolbar,
        kCmdReadMe,          kCmdAboutToolbar};
    static const std::vector<int> none;
    return id == kPanelToolbarId ? panel : none;
}

std::string_view ToolbarButtonName(int command) {
    switch (command) {
        case kCmdAddTasksMenu:
            return "添加新任务";
        case kCmdCalendarToolbar:
            return "日历";
        case kCmdDeleteTasksToolbar:
            return "删除废弃任务";
        case kCmdToggleChimeMenu:
            return "整点报时设置";
        case kCmdExitMenu:
            return "退出程序";
        case kCmdPrintToolbar:
            return "打印";
        case kCmdReadMe:
            return "怎样使用本软件";
        case kCmdAboutToolbar:
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
