// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// COLORREF values at the Qt boundary.

#include <QColor>

#include "settings/Colour.h"

namespace tocklet {

[[nodiscard]] inline QColor ToQColor(COLORREF colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

[[nodiscard]] inline COLORREF ToColorRef(const QColor& colour) {
    return Rgb(static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
               static_cast<std::uint8_t>(colour.blue()));
}

}  // namespace tocklet
