// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "tasks/ui/AddTaskEnabling.h"

namespace tocklet {
namespace {

using Id = AddTaskIds;

}  // namespace

const std::vector<int>& InitiallyDisabledControls() {
    static const std::vector<int> ids{
        Id::kWeekday,      Id::kMonth,  Id::kDay,   Id::kHourEdit, Id::kMinuteEdit,
        Id::kReminderEdit, Id::kBrowse, Id::kSave,  Id::kNext,     Id::kExit,
        Id::kDaily,        Id::kOnDate, Id::kWeekly};
    return ids;
}

Enabling EnablingAfterClick(int radioId) {
    switch (radioId) {
        case Id::kMessage:
            return {{Id::kReminderEdit, Id::kSave, Id::kNext, Id::kExit, Id::kDaily, Id::kOnDate,
                     Id::kWeekly},
                    {Id::kMonth, Id::kDay, Id::kHourEdit, Id::kMinuteEdit, Id::kBrowse}};
        case Id::kProgram:
            return {{Id::kBrowse, Id::kSave, Id::kNext, Id::kExit, Id::kDaily, Id::kOnDate,
                     Id::kWeekly},
                    {Id::kMonth, Id::kDay, Id::kHourEdit, Id::kMinuteEdit, Id::kReminderEdit}};
        case Id::kDaily:
            return {{Id::kHourEdit, Id::kMinuteEdit}, {Id::kMonth, Id::kDay, Id::kWeekday}};
        case Id::kOnDate:
            return {{Id::kHourEdit, Id::kMinuteEdit, Id::kMonth, Id::kDay}, {Id::kWeekday}};
        case Id::kWeekly:
            return {{Id::kHourEdit, Id::kMinuteEdit, Id::kWeekday}, {Id::kMonth, Id::kDay}};
        default:
            return {};
    }
}

}  // namespace tocklet
