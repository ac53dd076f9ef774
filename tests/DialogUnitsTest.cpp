// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <climits>

#include "resources/DialogUnits.h"

namespace tocklet {
namespace {

TEST(MulDivTest, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(MulDiv(5, 1, 2), 3);
    EXPECT_EQ(MulDiv(-5, 1, 2), -3);
    EXPECT_EQ(MulDiv(5, -1, 2), -3);
    EXPECT_EQ(MulDiv(7, 1, -2), -4);
    EXPECT_EQ(MulDiv(-7, 1, -2), 4);
    EXPECT_EQ(MulDiv(4, 1, 3), 1);  // 1.33
    EXPECT_EQ(MulDiv(5, 1, 3), 2);  // 1.67
    EXPECT_EQ(MulDiv(0, 7, 3), 0);
}

TEST(MulDivTest, UsesAWideIntermediateAndReportsOverflowAndZeroDivisor) {
    EXPECT_EQ(MulDiv(100000, 100000, 100000), 100000);
    EXPECT_EQ(MulDiv(INT_MAX, 3, 3), INT_MAX);
    EXPECT_EQ(MulDiv(INT_MAX, 2, 1), -1);
    EXPECT_EQ(MulDiv(INT_MIN, 1, 1), -1);  // below -INT_MAX counts as overflow
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
}

TEST(BaseUnitsTest, HorizontalUnitIsTheRoundedAverageLetterWidth) {
    EXPECT_EQ(kBaseUnitSample.size(), 52u);
    EXPECT_EQ(BaseUnitsOf(312, 12).x, 6);  // 52 letters of 6 pixels
    EXPECT_EQ(BaseUnitsOf(337, 12).x, 6);  // 6.48
    EXPECT_EQ(BaseUnitsOf(338, 12).x, 7);  // 6.5 rounds up
    EXPECT_EQ(BaseUnitsOf(338, 13).y, 13);
    EXPECT_EQ(BaseUnitsOf(0, 0).x, 0);
}

TEST(BaseUnitsTest, PointSizesBecomeWholePixels) {
    EXPECT_EQ(PointsToPixels(9, 96), 12);
    EXPECT_EQ(PointsToPixels(10, 96), 13);  // 13.33
    EXPECT_EQ(PointsToPixels(8, 96), 11);   // 10.67
    EXPECT_EQ(PointsToPixels(9, 120), 15);
    EXPECT_EQ(PointsToPixels(11, 144), 22);
}

TEST(DluToPixelsTest, ConvertsEachFieldOnItsOwn) {
    const BaseUnits song9{6, 12};
    EXPECT_EQ(DluToPixelsX(290, song9), 435);
    EXPECT_EQ(DluToPixelsY(175, song9), 263);  // 262.5
    EXPECT_EQ(DluToPixels(DluRect{121, 46, 37, 18}, song9), (PixelRect{182, 69, 56, 27}));
    EXPECT_EQ(DluToPixels(DluRect{1, 1, 1, 1}, song9), (PixelRect{2, 2, 2, 2}));  // 1.5 each
    const BaseUnits hei10{7, 16};
    EXPECT_EQ(DluToPixels(DluRect{4, 3, 59, 89}, hei10), (PixelRect{7, 6, 103, 178}));
}

}  // namespace
}  // namespace tocklet
