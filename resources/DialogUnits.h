// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Dialog units to pixels. A dialog measures its font once: the horizontal base unit is the
// rounded average width of the 52 Latin letters, the vertical one the font's text height.
// A horizontal dialog unit is a quarter of the first, a vertical one an eighth of the second.

#include <string_view>

#include "resources/DialogTemplate.h"

namespace tocklet {

/// The text whose width gives the horizontal base unit.
inline constexpr std::string_view kBaseUnitSample =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

struct BaseUnits {
    int x = 0;  // average character width in pixels
    int y = 0;  // text height in pixels
};

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

/// number * numerator / denominator on 64 bits, rounded half away from zero; -1 when the
/// denominator is 0 or the result does not fit an int.
int MulDiv(int number, int numerator, int denominator);

/// Base units of a font whose kBaseUnitSample is sampleWidth pixels wide and whose text is
/// textHeight pixels high.
BaseUnits BaseUnitsOf(int sampleWidth, int textHeight);

/// Pixel height of a font of the given point size on a screen of the given dots per inch.
int PointsToPixels(int points, int dotsPerInch);

int DluToPixelsX(int dlu, BaseUnits units);
int DluToPixelsY(int dlu, BaseUnits units);

/// Each of x, y, width and height converted on its own, as controls are placed.
PixelRect DluToPixels(const DluRect& rect, BaseUnits units);

}  // namespace tocklet
