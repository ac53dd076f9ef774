// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Control numbers of the add-task dialog.

namespace tocklet {

struct AddTaskIds {
    static constexpr int kHourSpin = 1030;
    static constexpr int kMinuteSpin = 1052;
    static constexpr int kHourEdit = 1074;
    static constexpr int kReminderEdit = 1075;
    static constexpr int kDaily = 1076;
    static constexpr int kOnDate = 1077;
    static constexpr int kWeekly = 1078;
    static constexpr int kSave = 1079;
    static constexpr int kNext = 1080;
    static constexpr int kExit = 1081;
    static constexpr int kMonth = 1083;
    static constexpr int kDay = 1084;
    static constexpr int kMinuteEdit = 1086;
    static constexpr int kMessage = 1095;
    static constexpr int kProgram = 1096;
    static constexpr int kBrowse = 1097;
    static constexpr int kWeekday = 1098;
};

}  // namespace tocklet
