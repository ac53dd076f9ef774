// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include "settings/SettingsTable.h"

namespace tocklet {
namespace {

TEST(SettingsTableTest, EveryValueHasItsPlaceAndByteCount) {
    for (const StoredValue& row : StoredValues()) {
        EXPECT_EQ(&Stored(row.setting), &row);
        EXPECT_FALSE(row.readKey.empty() && row.writeKey.empty());
        if (row.file == SettingsFile::Registry && !row.writeKey.empty()) {
            EXPECT_GT(row.bytes, 0u);
        }
    }
    EXPECT_EQ(Stored(Setting::ChimeOn).bytes, 1u);
    EXPECT_EQ(Stored(Setting::FirstPassword).bytes, 10u);
    EXPECT_EQ(Stored(Setting::ChangedPassword).bytes, 11u);
    EXPECT_EQ(StoredNumber(Setting::TaskCount, "25"), 20);
    EXPECT_EQ(StoredNumber(Setting::DelayMinutes, "-5"), 0);
    EXPECT_EQ(StoredNumber(Setting::ChimeText, " 7x"), 7);
}

}  // namespace
}  // namespace tocklet
