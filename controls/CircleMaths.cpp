// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "controls/CircleMaths.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace tocklet {
namespace {

constexpr COLORREF kBlack = Rgb(0, 0, 0);
constexpr double kHalfPi = 1.570796327;
constexpr double kPi = 3.141592654;

// Walks one octant of the midpoint circle of radius r, calling step(x, y) for each step.
template <typename Step>
void WalkCircle(int r, Step step) {
    int x = r;
    int y = 0;
    int e = -r;
    do {
        step(x, y);
        e += 2 * y + 1;
        ++y;
        if (e >= 0) {
            --x;
            e -= 2 * x;
        }
    } while (y <= x);
}

std::uint8_t Blend(double w, std::uint8_t bright, std::uint8_t dark) {
    // Truncation, never rounding: the cast drops the fraction of a non-negative value.
    return static_cast<std::uint8_t>(w * bright + (1.0 - w) * dark);
}

}  // namespace

COLORREF ShadeColour(double angle, COLORREF bright, COLORREF dark) {
    double d = -2.356 - angle;
    if (d < -3.1415) {
        d += 6.293;
    } else if (d > 3.1415) {
        d = 6.293 - d;
    }
    const double w = 0.5 * (std::cos(d) + 1.0);
    return Rgb(Blend(w, RedOf(bright), RedOf(dark)), Blend(w, GreenOf(bright), GreenOf(dark)),
               Blend(w, BlueOf(bright), BlueOf(dark)));
}

void PlotCircle(PixelTarget& target, int cx, int cy, int radius, COLORREF colour, bool dashed) {
    bool on = true;
    WalkCircle(radius, [&](int x, int y) {
        if (on) {
            const std::array<std::pair<int, int>, 8> points{{{cx + x, cy + y},
                                                             {cx + x, cy - y},
                                                             {cx + y, cy + x},
                                                             {cx + y, cy - x},
                                                             {cx - y, cy + x},
                                                             {cx - y, cy - x},
                                                             {cx - x, cy + y},
                                                             {cx - x, cy - y}}};
            for (const auto& [px, py] : points) target.SetPixel(px, py, colour);
        }
        if (dashed) on = !on;
    });
}

void PlotShadedCircle(PixelTarget& target, int cx, int cy, int radius, COLORREF bright,
                      COLORREF dark) {
    WalkCircle(radius, [&](int x, int y) {
        const double a = std::atan2(y, x);
        auto set = [&](int px, int py, double angle) {
            target.SetPixel(px, py, ShadeColour(angle, bright, dark));
        };
        set(cx + x, cy + y, a);
        set(cx + y, cy + x, kHalfPi - a);
        set(cx - y, cy + x, a + kHalfPi);
        set(cx - x, cy + y, kPi - a);
        set(cx - x, cy - y, a - kPi);
        set(cx - y, cy - x, -kHalfPi - a);
        set(cx + y, cy - x, a - kHalfPi);
        set(cx + x, cy - y, -a);
    });
}

CircleLayout CircleLayoutFor(int width, int height) {
    CircleLayout layout;
    layout.side = std::max(0, std::min(width, height));
    layout.centreX = layout.side / 2;
    layout.centreY = layout.side / 2;
    layout.radius = layout.side / 2 - 1;
    return layout;
}

RoundButtonRings PlotRoundButtonRims(PixelTarget& target, const CircleLayout& layout,
                                     const RoundButtonState& state, const ThreeDColours& colours) {
    const int cx = layout.centreX;
    const int cy = layout.centreY;
    int r = layout.radius;
    if (state.focused) {
        PlotCircle(target, cx, cy, r, kBlack, false);
        --r;
    }
    if (state.flat) {
        PlotCircle(target, cx, cy, r, kBlack, false);
        PlotCircle(target, cx, cy, r - 1, colours.highlight, false);
    } else if (state.pressed) {
        // Sunk in: the light seems to come from the lower right.
        PlotShadedCircle(target, cx, cy, r, colours.darkShadow, colours.highlight);
        PlotShadedCircle(target, cx, cy, r - 1, colours.shadow, colours.light);
    } else {
        PlotShadedCircle(target, cx, cy, r, colours.highlight, colours.darkShadow);
        PlotShadedCircle(target, cx, cy, r - 1, colours.light, colours.shadow);
    }
    RoundButtonRings rings;
    rings.textClip = r - 2;
    if (state.focused) rings.focusDash = rings.textClip - 2;
    return rings;
}

}  // namespace tocklet
