// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The round button's drawing maths, free of any window system: one-pixel circles by the
// midpoint method, rim colours lit from the upper left, and where each ring of the button goes.

#include "settings/Colour.h"

namespace tocklet {

/// Where the pixels of a drawing go: a device, an image, or a recording in a test.
class PixelTarget {
public:
    PixelTarget() = default;
    virtual ~PixelTarget() = default;
    PixelTarget(const PixelTarget&) = delete;
    PixelTarget& operator=(const PixelTarget&) = delete;

    virtual void SetPixel(int x, int y, COLORREF colour) = 0;
};

/// The colour of a rim pixel whose direction from the centre is angle radians (y growing
/// downwards): bright B when it faces the light at -2.356 radians (up and to the left), dark D
/// when it faces away, a blend in between with every channel truncated.
[[nodiscard]] COLORREF ShadeColour(double angle, COLORREF bright, COLORREF dark);

/// A one-pixel circle in one colour; dashed circles draw every other step of the midpoint
/// walk, starting with the first.
void PlotCircle(PixelTarget& target, int centreX, int centreY, int radius, COLORREF colour,
                bool dashed);

/// A one-pixel circle whose pixels are coloured by ShadeColour of their own direction.
void PlotShadedCircle(PixelTarget& target, int centreX, int centreY, int radius, COLORREF bright,
                      COLORREF dark);

/// The square a round button takes from its laid-out size, with its circle.
struct CircleLayout {
    int side = 0;  ///< the smaller of width and height
    int centreX = 0;
    int centreY = 0;
    int radius = 0;  ///< of the outermost rim circle
};

[[nodiscard]] CircleLayout CircleLayoutFor(int width, int height);

/// The desktop's colours for three-dimensional elements, as the button uses them.
struct ThreeDColours {
    COLORREF face = 0;        ///< button face
    COLORREF shadow = 0;      ///< button shadow
    COLORREF highlight = 0;   ///< button highlight
    COLORREF darkShadow = 0;  ///< darkest shadow
    COLORREF light = 0;       ///< light edge, between face and highlight
};

struct RoundButtonState {
    bool focused = false;  ///< has the focus and draws focus rings
    bool pressed = false;  ///< sunk in
    bool flat = false;     ///< drawn flat instead of lit
};

/// Radii the rest of the drawing uses once the rims are down.
struct RoundButtonRings {
    int textClip = 0;    ///< the text is clipped to a circle of this radius
    int focusDash = -1;  ///< radius of the dashed focus circle; -1 when there is none
};

/// Plots the solid focus ring (when focused) and the two rim circles of a button of radius
/// layout.radius, and says where the text and the dashed focus circle go.
[[nodiscard]] RoundButtonRings PlotRoundButtonRims(PixelTarget& target, const CircleLayout& layout,
                                                   const RoundButtonState& state,
                                                   const ThreeDColours& colours);

}  // namespace tocklet
