// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "resources/DialogUnits.h"

#include <cstdint>
#include <limits>

namespace tocklet {

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) return -1;
    std::int64_t product = std::int64_t{number} * numerator;
    std::int64_t divisor = denominator;
    if (divisor < 0) {
        product = -product;
        divisor = -divisor;
    }
    // Adding half the divisor before truncating towards zero rounds halves away from zero.
    const std::int64_t half = divisor / 2;
    const std::int64_t result =
        product >= 0 ? (product + half) / divisor : (product - half) / divisor;
    if (result > std::numeric_limits<int>::max() || result < -std::numeric_limits<int>::max())
        return -1;
    return static_cast<int>(result);
}

BaseUnits BaseUnitsOf(int sampleWidth, int textHeight) {
    const int letters = static_cast<int>(kBaseUnitSample.size());
    return BaseUnits{(sampleWidth + letters / 2) / letters, textHeight};
}

int PointsToPixels(int points, int dotsPerInch) { return MulDiv(points, dotsPerInch, 72); }

int DluToPixelsX(int dlu, BaseUnits units) { return MulDiv(dlu, units.x, 4); }

int DluToPixelsY(int dlu, BaseUnits units) { return MulDiv(dlu, units.y, 8); }

PixelRect DluToPixels(const DluRect& rect, BaseUnits units) {
    return PixelRect{DluToPixelsX(rect.x, units), DluToPixelsY(rect.y, units),
                     DluToPixelsX(rect.width, units), DluToPixelsY(rect.height, units)};
}

}  // namespace tocklet
