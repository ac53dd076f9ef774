// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The round button's maths: rim colours, midpoint circles and ring radii.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

#include "controls/CircleMaths.h"

namespace tocklet {
namespace {

constexpr COLORREF kWhite = Rgb(255, 255, 255);
constexpr COLORREF kBlack = Rgb(0, 0, 0);

struct Recorder final : PixelTarget {
    void SetPixel(int x, int y, COLORREF colour) override {
        ++writes;
        pixels[{x, y}] = colour;
    }
    std::set<std::pair<int, int>> Points() const {
        std::set<std::pair<int, int>> p;
        for (const auto& entry : pixels) p.insert(entry.first);
        return p;
    }
    /// The pixel's colour; kUnset when nothing was drawn there.
    COLORREF At(int x, int y) const {
        const auto it = pixels.find({x, y});
        return it == pixels.end() ? kUnset : it->second;
    }
    static constexpr COLORREF kUnset = 0xFFFFFFFFu;
    int writes = 0;
    std::map<std::pair<int, int>, COLORREF> pixels;
};

TEST(CircleMaths, ShadeColourValues) {
    struct Case {
        double angle;
        COLORREF bright, dark, expected;
    };
    const Case cases[] = {
        // Facing the light: B exactly.
        {-2.356, kWhite, kBlack, kWhite},
        {-2.356, Rgb(200, 10, 77), Rgb(100, 250, 3), Rgb(200, 10, 77)},
        // Facing away: D.
        {0.7854, kWhite, kBlack, kBlack},
        // Half way: 127.5 is truncated to 127.
        {-2.356 + 1.5707963267948966, kWhite, kBlack, Rgb(127, 127, 127)},
        // Below -3.1415 d gains 6.293 (a whole turn would give 125); above 3.1415 it is
        // reflected to 6.293 - d, the same colour here.
        {2.344, kWhite, kBlack, Rgb(124, 124, 124)},
        {-7.056, kWhite, kBlack, Rgb(124, 124, 124)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShadeColour(c.angle, c.bright, c.dark), c.expected) << c.angle;
    }
}

TEST(CircleMaths, MidpointCirclesOfSmallRadii) {
    using Points = std::set<std::pair<int, int>>;
    struct Case {
        int radius;
        bool dashed;
        int writes;
        Points points;
    };
    const Points r1{{11, 10}, {9, 10}, {10, 11}, {10, 9}};
    const Points r2{{12, 10}, {8, 10}, {10, 12}, {10, 8}, {12, 11}, {12, 9},
                    {8, 11},  {8, 9},  {11, 12}, {9, 12}, {11, 8},  {9, 8}};
    const Points r3Dashed{{13, 10}, {7, 10}, {10, 13}, {10, 7}, {12, 12}, {8, 12}, {12, 8}, {8, 8}};
    Points r3 = r3Dashed;
    r3.insert({{13, 11}, {13, 9}, {7, 11}, {7, 9}, {11, 13}, {9, 13}, {11, 7}, {9, 7}});
    const Case cases[] = {
        {0, false, 8, {{10, 10}}},  // one step, its eight points all at the centre
        {0, true, 8, {{10, 10}}},   // a dashed circle draws its first step
        {1, false, 8, r1},         {2, false, 16, r2},
        {3, false, 24, r3},        {3, true, 16, r3Dashed},  // steps one and three of three
    };
    for (const Case& c : cases) {
        Recorder solid;
        PlotCircle(solid, 10, 10, c.radius, kBlack, c.dashed);
        EXPECT_EQ(solid.writes, c.writes) << c.radius << c.dashed;
        EXPECT_EQ(solid.Points(), c.points) << c.radius << c.dashed;
        if (c.dashed) continue;
        Recorder shaded;
        PlotShadedCircle(shaded, 10, 10, c.radius, kWhite, kBlack);
        EXPECT_EQ(shaded.Points(), c.points) << c.radius;
    }
}

TEST(CircleMaths, FortyPixelButton) {
    EXPECT_EQ(CircleLayoutFor(46, 40).side, 40);  // wider than high: a square of its height
    EXPECT_EQ(CircleLayoutFor(30, 50).side, 30);
    const CircleLayout layout = CircleLayoutFor(40, 40);
    EXPECT_EQ(layout.centreX, 20);
    EXPECT_EQ(layout.centreY, 20);
    EXPECT_EQ(layout.radius, 19);

    const ThreeDColours colours{Rgb(1, 1, 1), Rgb(2, 2, 2), Rgb(255, 255, 255), Rgb(0, 0, 0),
                                Rgb(4, 4, 4)};
    Recorder plain;
    const RoundButtonRings unfocused = PlotRoundButtonRims(plain, layout, {}, colours);
    EXPECT_EQ(unfocused.textClip, 17);
    EXPECT_EQ(unfocused.focusDash, -1);

    Recorder focused;
    const RoundButtonRings withFocus =
        PlotRoundButtonRims(focused, layout, {true, false, false}, colours);
    EXPECT_EQ(withFocus.textClip, 16);
    EXPECT_EQ(withFocus.focusDash, 14);
    EXPECT_EQ(focused.At(39, 20), kBlack);  // the solid focus ring at radius 19

    Recorder flat;
    EXPECT_EQ(PlotRoundButtonRims(flat, layout, {false, true, true}, colours).focusDash,
              -1);  // flat wins over pressed
    EXPECT_EQ(flat.At(39, 20), kBlack);
    EXPECT_EQ(flat.At(38, 20), colours.highlight);

    // Pressed, the light seems to come from the lower right.
    Recorder down;
    EXPECT_EQ(PlotRoundButtonRims(down, layout, {false, true, false}, colours).focusDash, -1);
    EXPECT_EQ(plain.At(34, 33), colours.darkShadow);
    EXPECT_GE(RedOf(down.At(34, 33)), 254);
}

}  // namespace
}  // namespace tocklet
