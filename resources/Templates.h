// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The program's dialog templates. Each lives in a Templates*.cpp file of its own as a function
// returning a static object; FindTemplate (TemplateCatalog.cpp) lists them all. To add a
// dialog: write its Templates*.cpp, declare its function here, add it to the catalog's list
// and to the library's sources.

#include "resources/DialogTemplate.h"

namespace tocklet {

inline constexpr int kMainPanelTemplateId = 106;
inline constexpr int kReminderTemplateId = 116;
inline constexpr int kFirstPasswordTemplateId = 112;
inline constexpr int kChangePasswordTemplateId = 113;
inline constexpr int kPasswordPromptTemplateId = 103;
inline constexpr int kDeleteTaskTemplateId = 115;
inline constexpr int kAddTaskTemplateId = 101;
inline constexpr int kUserInfoTemplateId = 117;
inline constexpr int kFloatClockTemplateId = 118;
inline constexpr int kClockColorTemplateId = 114;
inline constexpr int kAboutTemplateId = 100;
inline constexpr int kShutdownTimeTemplateId = 108;
inline constexpr int kShutdownWarnTemplateId = 107;

const DialogTemplate& MainPanelTemplate();  // the main panel
const DialogTemplate& ReminderTemplate();   // the pop-up of a due message task
const DialogTemplate& AddTaskTemplate();    // the add-task dialog

const DialogTemplate& FirstPasswordTemplate();   // sets the password on the first run
const DialogTemplate& ChangePasswordTemplate();  // changes the password
const DialogTemplate& PasswordPromptTemplate();  // asks for the password
const DialogTemplate& DeleteTaskTemplate();      // deletes one task
const DialogTemplate& UserInfoTemplate();        // the owner and organisation names

const DialogTemplate& FloatClockTemplate();  // the always-on-top LED clock
const DialogTemplate& ClockColorTemplate();  // chooses the clock's digit colour
const DialogTemplate& AboutTemplate();       // name, version and contact lines

const DialogTemplate& ShutdownTimeTemplate();  // sets the daily power-off time
const DialogTemplate& ShutdownWarnTemplate();  // the countdown before the power-off

}  // namespace tocklet
