// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Command numbers of the panel's menu bar, the notification icon's menu and the toolbar. A
// command offered in several places keeps one number (the toolbar shares most of the menu
// bar's); where two places have numbers of their own, each has its name.

namespace tocklet {

enum PanelCommand : int {
    // The menu bar; add, chime, exit and the read-me are also on the toolbar.
    kCmdAddTasksMenu = 32792,
    kCmdDeleteTasksMenu = 32791,
    kCmdSetShutdownTimeMenu = 32788,
    kCmdToggleChimeMenu = 32772,
    kCmdExitMenu = 32773,
    kCmdMailAuthor = 32797,
    kCmdHomePage = 32806,
    kCmdAbout = 32774,
    kCmdReadMe = 32781,
    // The notification icon's menu.
    kCmdShowPanel = 32776,
    kCmdToggleClock = 32798,
    kCmdChangeClockColor = 32805,
    kCmdToggleChime = 32777,
    kCmdPauseMonitoring = 32779,
    kCmdResumeMonitoring = 32784,
    kCmdSetShutdownTimeIconMenu = 32787,
    kCmdExitIconMenu = 32780,
    // Toolbar buttons with numbers of their own; the calendar and print buttons do nothing.
    kCmdCalendarToolbar = 32800,
    kCmdDeleteTasksToolbar = 32803,
    kCmdPrintToolbar = 57607,
    kCmdAboutToolbar = 32807,
};

}  // namespace tocklet
