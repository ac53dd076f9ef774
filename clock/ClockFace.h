// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// What the LED face shows: eight equal cells side by side, HH:MM:SS, each cell one glyph image
// stretched to the cell.

#include <array>
#include <ctime>

namespace tocklet {

inline constexpr int kGlyphCount = 12;  ///< the digits 0..9, the colon, the blank cell
inline constexpr int kColonGlyph = 10;
inline constexpr int kBlankGlyph = 11;
inline constexpr int kFaceCellCount = 8;

struct FaceCellSize {
    int width = 0;   ///< an eighth of the face's width; what is left over stays background
    int height = 0;  ///< the face's height
};

/// The cells of a face whose drawing area is width x height pixels.
[[nodiscard]] FaceCellSize CellSizeOf(int width, int height);

struct CellGlyph {
    int glyph = 0;
    int cell = 0;
};

/// What one tick draws for the local time now, in drawing order: the six digits (hour tens
/// and units in cells 0 and 1, minutes in 3 and 4, seconds in 6 and 7), then the colons in
/// cells 2 and 5. Hours run 0..23 and every field has two digits.
[[nodiscard]] std::array<CellGlyph, kFaceCellCount> FaceGlyphs(const std::tm& now);

}  // namespace tocklet
