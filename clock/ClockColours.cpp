#include "clock/ClockColours.h"

namespace tocklet {

const ClockColourChoice& ClockColourOfRadio(int radioId) {
    for (const ClockColourChoice& choice : kClockColourChoices)
        if (choice.radioId == radioId) return choice;
    return kClockColourUnchosen;
}

COLORREF ClockColourOfNumber(int number) {
    for (const ClockColourChoice& choice : kClockColourChoices)
        if (choice.number == number) return choice.colour;
    return kClockColourUnchosen.colour;
}

int ClockColourNumber(COLORREF colour) {
    for (const ClockColourChoice& choice : kClockColourChoices)
        if (choice.colour == colour) return choice.number;
    return 0;
}

}  // namespace tocklet
