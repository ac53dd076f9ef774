#pragma once
// The six digit colours of the LED clock: the colour dialog's radio buttons, their colours and
// the numbers the INI key "color" stores for them.

#include <array>
#include <string_view>

#include "controls/Colour.h"

namespace tocklet {

struct ClockColourChoice {
    int radioId;               ///< radio button of the colour dialog
    std::string_view caption;  ///< its caption, UTF-8
    COLORREF colour;
    int number;  ///< stored in the INI key "color"
};

// "棕色" is full green and blue with no red, as the stored numbers have always meant.
inline constexpr std::array<ClockColourChoice, 6> kClockColourChoices{{
    {1003, "红色", Rgb(255, 0, 0), 1},
    {1004, "绿色", Rgb(0, 255, 0), 2},
    {1005, "蓝色", Rgb(0, 0, 255), 3},
    {1007, "黄色", Rgb(255, 255, 0), 4},
    {1008, "棕色", Rgb(0, 255, 255), 5},
    {1006, "白色", Rgb(255, 255, 255), 6},
}};

/// What is taken when nothing was chosen, and the colour of unknown numbers: green, 2.
inline constexpr ClockColourChoice kClockColourUnchosen{0, "", Rgb(0, 255, 0), 2};

/// The choice of a radio button; kClockColourUnchosen for any other id.
const ClockColourChoice& ClockColourOfRadio(int radioId);

/// The colour an INI colour number stands for; green for any number but 1..6.
COLORREF ClockColourOfNumber(int number);

/// The INI colour number of one of the six colours; 0 for any other colour.
int ClockColourNumber(COLORREF colour);

}  // namespace tocklet
