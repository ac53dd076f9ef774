// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include "fakes/FakeProfile.h"
#include "settings/ClockOptions.h"

namespace tocklet {
namespace {

using testing::FakeProfile;

TEST(FirstUseClockOptionsTest, ColourThenClock) {
    FakeProfile profile;
    EXPECT_TRUE(WriteFirstUseClockOptions(profile));
    ASSERT_EQ(profile.writes.size(), 2u);
    EXPECT_EQ(profile.writes[0].section, "option");
    EXPECT_EQ(profile.writes[0].key, "color");
    EXPECT_EQ(profile.writes[0].value, "2");
    EXPECT_EQ(profile.writes[1].section, "option");
    EXPECT_EQ(profile.writes[1].key, "clock");
    EXPECT_EQ(profile.writes[1].value, "1");
}

TEST(ClockOptionsTest, ColourWriteReportsAFailedWrite) {
    FakeProfile profile;
    EXPECT_TRUE(WriteClockColor(profile, 5).Ok());
    EXPECT_EQ(profile.Get("option", "color"), "5");
    profile.failAllWrites = true;
    EXPECT_TRUE(
        WriteClockColor(profile, 1).Failed(SettingsFailure::Step::SetValue, Setting::ClockColor));
    EXPECT_EQ(profile.Get("option", "color"), "5");
}

TEST(ClockOptionsTest, ReadAndColours) {
    FakeProfile profile;
    EXPECT_EQ(ReadClockOptions(profile).clock, 0);
    EXPECT_EQ(ReadClockOptions(profile).color, 0);
    profile.Put("OPTION", "Clock", "1");
    profile.Put("option", "color", "4");
    ClockOptions o = ReadClockOptions(profile);
    EXPECT_EQ(o.clock, 1);
    EXPECT_EQ(o.color, 4);

    EXPECT_EQ(ClockColorFromNumber(1), 0x0000FFu);
    EXPECT_EQ(ClockColorFromNumber(2), 0x00FF00u);
    EXPECT_EQ(ClockColorFromNumber(3), 0xFF0000u);
    EXPECT_EQ(ClockColorFromNumber(4), 0x00FFFFu);
    EXPECT_EQ(ClockColorFromNumber(5), 0xFFFF00u);
    EXPECT_EQ(ClockColorFromNumber(6), 0xFFFFFFu);
    EXPECT_EQ(ClockColorFromNumber(0), Rgb(0, 255, 0));
    EXPECT_EQ(ClockColorFromNumber(7), Rgb(0, 255, 0));
    EXPECT_EQ(ClockColorFromNumber(-1), Rgb(0, 255, 0));
}

}  // namespace
}  // namespace tocklet
