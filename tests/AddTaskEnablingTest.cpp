// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <algorithm>

#include "tasks/ui/AddTaskEnabling.h"

namespace tocklet {
namespace {

using Id = AddTaskIds;

TEST(AddTaskEnablingTest, EachRadioFollowsItsRow) {
    const auto& initial = InitiallyDisabledControls();
    EXPECT_EQ(initial.size(), 13u);
    for (int id : {Id::kMessage, Id::kProgram, Id::kHourSpin, Id::kMinuteSpin}) {
        EXPECT_EQ(std::count(initial.begin(), initial.end(), id), 0) << id;
    }
    // Every control a radio touches is enabled or disabled, never both.
    for (int radio : {Id::kMessage, Id::kProgram, Id::kDaily, Id::kOnDate, Id::kWeekly}) {
        const Enabling e = EnablingAfterClick(radio);
        for (int id : e.enabled) {
            EXPECT_EQ(std::count(e.disabled.begin(), e.disabled.end(), id), 0) << radio;
        }
    }
    EXPECT_EQ(EnablingAfterClick(Id::kMessage).enabled.size(), 7u);
    EXPECT_EQ(EnablingAfterClick(Id::kProgram).disabled.size(), 5u);
    EXPECT_TRUE(EnablingAfterClick(Id::kSave).enabled.empty());
}

}  // namespace
}  // namespace tocklet
