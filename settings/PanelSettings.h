// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The main panel's setting fields: what the settings store reads at start-up and saves.

#include <string>

#include "settings/ClockOptions.h"

namespace tocklet {

struct PanelSettings {
    bool m_bChimeOn = false;        ///< hourly chime on
    bool m_bChimeSound = false;     ///< the chime plays its sound
    bool m_bChimeText = false;      ///< the chime shows its message
    bool m_bUsePassword = false;    ///< password protection on
    std::string m_strPassword;      ///< the stored password (code page 936)
    int m_nDelayMinutes = 0;        ///< 0..60
    int m_nRepeat = 0;              ///< 0..5
    int m_nLaunchShow = 0;          ///< 0 minimised, otherwise a normal window
    std::string m_strShutdownTime;  ///< hour:minute:second, as stored
    int m_nTaskCount = 0;           ///< tasks in the loaded list
    int m_nTasksAdded = 0;          ///< tasks added since the list was loaded
    COLORREF m_clrClock = kDefaultClockColor;
};

}  // namespace tocklet
