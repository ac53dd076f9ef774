// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "clock/ClockFace.h"

namespace tocklet {

FaceCellSize CellSizeOf(int width, int height) { return {width / kFaceCellCount, height}; }

std::array<CellGlyph, kFaceCellCount> FaceGlyphs(const std::tm& now) {
    auto tens = [](int value) { return (value / 10) % 10; };
    auto units = [](int value) { return value % 10; };
    return {{{tens(now.tm_hour), 0},
             {units(now.tm_hour), 1},
             {tens(now.tm_min), 3},
             {units(now.tm_min), 4},
             {tens(now.tm_sec), 6},
             {units(now.tm_sec), 7},
             {kColonGlyph, 2},
             {kColonGlyph, 5}}};
}

}  // namespace tocklet
