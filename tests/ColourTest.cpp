// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include "settings/Colour.h"

namespace tocklet {
namespace {

TEST(ColourTest, RedSitsInTheLowByte) {
    EXPECT_EQ(Rgb(255, 0, 0), 0x000000FFu);
    EXPECT_EQ(Rgb(0, 255, 0), 0x0000FF00u);
    EXPECT_EQ(Rgb(0, 0, 255), 0x00FF0000u);
    EXPECT_EQ(Rgb(0, 0, 238), 0x00EE0000u);
    EXPECT_EQ(Rgb(0, 255, 255), 0x00FFFF00u);
    EXPECT_EQ(Rgb(128, 174, 228), 0x00E4AE80u);
}

TEST(ColourTest, PartsComeBackOut) {
    const COLORREF colour = Rgb(12, 34, 56);
    EXPECT_EQ(RedOf(colour), 12);
    EXPECT_EQ(GreenOf(colour), 34);
    EXPECT_EQ(BlueOf(colour), 56);
    // A stray high byte does not leak into blue.
    EXPECT_EQ(BlueOf(0xFF123456u), 0x12);
    static_assert(Rgb(RedOf(0x00ABCDEFu), GreenOf(0x00ABCDEFu), BlueOf(0x00ABCDEFu)) ==
                  0x00ABCDEFu);
}

}  // namespace
}  // namespace tocklet
