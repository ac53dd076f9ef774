// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The LED clock's rules: cell sizes, the glyphs of one tick, the digit colours of the radios.
#include <gtest/gtest.h>

#include "clock/ClockFace.h"
#include "clock/ui/ClockColorDlg.h"
#include "settings/ClockOptions.h"

namespace tocklet {
namespace {

TEST(ClockFace, CellsAreAnEighthAndTheRestStaysBackground) {
    struct Row {
        int width, height, cell;
    };
    for (const Row& r : {Row{135, 25, 16}, Row{133, 23, 16}, Row{7, 5, 0}}) {
        const FaceCellSize size = CellSizeOf(r.width, r.height);
        EXPECT_EQ(size.width, r.cell) << r.width;
        EXPECT_EQ(size.height, r.height) << r.width;
    }
    EXPECT_EQ(135 - 8 * CellSizeOf(135, 25).width, 7);
}

TEST(ClockFace, NineOFiveOSevenWithLeadingZerosAndColons) {
    std::tm now{};
    now.tm_hour = 9;
    now.tm_min = 5;
    now.tm_sec = 7;
    int shown[kFaceCellCount] = {-1, -1, -1, -1, -1, -1, -1, -1};
    for (const CellGlyph& draw : FaceGlyphs(now)) shown[draw.cell] = draw.glyph;
    const int expected[kFaceCellCount] = {0, 9, kColonGlyph, 0, 5, kColonGlyph, 0, 7};
    for (int cell = 0; cell < kFaceCellCount; ++cell) EXPECT_EQ(shown[cell], expected[cell]);
    now.tm_hour = 23;
    EXPECT_EQ(FaceGlyphs(now)[0].glyph, 2);
    EXPECT_EQ(FaceGlyphs(now)[1].glyph, 3);
}

TEST(ClockColours, RadiosToNumbersToColoursAndUnknownsTakeGreen) {
    const COLORREF colours[] = {0x000000FF, 0x0000FF00, 0x00FF0000,
                                0x0000FFFF, 0x00FFFF00, 0x00FFFFFF};
    const int radios[] = {kClockColorRedId,    kClockColorGreenId, kClockColorBlueId,
                          kClockColorYellowId, kClockColorBrownId, kClockColorWhiteId};
    for (int number = 1; number <= 6; ++number) {
        EXPECT_EQ(ClockColorNumberOfRadio(radios[number - 1]), number);
        EXPECT_EQ(ClockColorFromNumber(number), colours[number - 1]) << number;
    }
    for (int unknown : {0, 7, -1, 22}) EXPECT_EQ(ClockColorFromNumber(unknown), Rgb(0, 255, 0));
    for (int notARadio : {0, kClockColorChooseId, 1002, 1009})
        EXPECT_EQ(ClockColorNumberOfRadio(notARadio), 2);
}

}  // namespace
}  // namespace tocklet
