// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Control numbers of the main panel: its template, the panel and its tests name them here.

namespace tocklet {

enum PanelControl : int {
    kIdBanner = 1002,  // the organisation and owner line
    kIdChimeSound = 1004,
    kIdChimeText = 1005,
    kIdToolbarPager = 1013,
    kIdMailLink = 1016,
    kIdChangePassword = 1021,
    kIdDelaySlider = 1022,
    kIdAnimation = 1024,
    kIdDelayText = 1033,
    kIdRepeatSlider = 1035,
    kIdLaunchMinimised = 1036,
    kIdLaunchNormal = 1037,
    kIdUsePassword = 1038,
    kIdRepeatText = 1040,
    kIdTaskCountText = 1041,
    kIdMonitoring = 1047,
    kIdShutdownTime = 1048,
    kIdShowClock = 1053,
    kIdChimeOn = 1054,
    kIdAddTasks = 1089,
    kIdDeleteTasks = 1090,
    kIdSetShutdownTime = 1091,
    kIdUserInfo = 1097,
};

}  // namespace tocklet
