// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "settings/ClockOptions.h"

#include <string>

#include "settings/SettingsTable.h"

namespace tocklet {
namespace {

int ReadInt(Profile& profile, Setting setting) {
    const StoredValue& row = Stored(setting);
    return profile.GetInt(row.readKey, row.name, row.fallback);
}

[[nodiscard]] bool WriteText(Profile& profile, Setting setting, std::string_view text) {
    const StoredValue& row = Stored(setting);
    return profile.WriteString(row.writeKey, row.name, text);
}

}  // namespace

ClockOptions ReadClockOptions(Profile& profile) {
    return {ReadInt(profile, Setting::ShowClock), ReadInt(profile, Setting::ClockColor)};
}

bool WriteFirstUseClockOptions(Profile& profile) {
    const bool color = WriteText(profile, Setting::ClockColor, "2");
    const bool clock = WriteText(profile, Setting::ShowClock, "1");
    return color && clock;
}

SettingsReport WriteClockColor(Profile& profile, int number) {
    SettingsReport report;
    if (!WriteText(profile, Setting::ClockColor, std::to_string(number))) {
        report.Add(SettingsFailure::Step::SetValue, Setting::ClockColor);
    }
    return report;
}

COLORREF ClockColorFromNumber(int number) {
    switch (number) {
        case 1:
            return Rgb(255, 0, 0);
        case 2:
            return Rgb(0, 255, 0);
        case 3:
            return Rgb(0, 0, 255);
        case 4:
            return Rgb(255, 255, 0);
        case 5:
            return Rgb(0, 255, 255);
        case 6:
            return Rgb(255, 255, 255);
        default:
            return kDefaultClockColor;
    }
}

}  // namespace tocklet
