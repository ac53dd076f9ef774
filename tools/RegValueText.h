// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// How `tocklet-reg query` shows a value: its type by the name regedit gives it, and its data
// as a line of UTF-8 text.

#include <cstdint>
#include <string>

#include "store/Hive.h"

namespace tocklet {

/// REG_NONE, REG_SZ, ... REG_QWORD; REG_UNKNOWN(0x...) for a type with no name.
[[nodiscard]] std::string RegTypeName(std::uint32_t type);

/// The data as text on one line: for REG_DWORD, REG_DWORD_BIG_ENDIAN and REG_QWORD the number
/// in hex and in decimal ("0x0000001e (30)"); for REG_MULTI_SZ the strings joined by \0; for
/// every other type the text up to the first zero byte. Control characters are escaped (\t,
/// \n, \r, \xNN).
[[nodiscard]] std::string RegValueText(const RegValue& value);

}  // namespace tocklet
