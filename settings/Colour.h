// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Colours as the program stores and passes them: 0x00BBGGRR, red in the low byte.

#include <cstdint>

namespace tocklet {

using COLORREF = std::uint32_t;

/// The colour with the given red, green and blue parts (each 0..255).
[[nodiscard]] constexpr COLORREF Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return static_cast<COLORREF>(red) | (static_cast<COLORREF>(green) << 8) |
           (static_cast<COLORREF>(blue) << 16);
}

[[nodiscard]] constexpr std::uint8_t RedOf(COLORREF colour) {
    return static_cast<std::uint8_t>(colour & 0xFF);
}

[[nodiscard]] constexpr std::uint8_t GreenOf(COLORREF colour) {
    return static_cast<std::uint8_t>((colour >> 8) & 0xFF);
}

[[nodiscard]] constexpr std::uint8_t BlueOf(COLORREF colour) {
    return static_cast<std::uint8_t>((colour >> 16) & 0xFF);
}

}  // namespace tocklet
