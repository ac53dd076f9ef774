// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The encodings a .reg file comes in, and the code page 936 text the parser reads:
//
//   starts with FF FE        UTF-16LE with a byte-order mark, as regedit writes version 5 files
//   starts with EF BB BF     UTF-8 with a byte-order mark
//   starts with "Windows Registry Editor Version 5.00"   UTF-8 (what a Linux editor saves)
//   anything else            code page 936 bytes, taken as they are (REGEDIT4)
//
// Conversion keeps the lines of the file, so a line number found in the converted text is the
// line of the file. A line whose text code page 936 cannot hold is refused, naming the
// character; a comment line is kept as a bare ";" then, since nothing of it is stored.

#include <cstdint>
#include <string>
#include <string_view>

#include "store/RegFile.h"

namespace tocklet {

/// The first line of a version 5 file.
inline constexpr std::string_view kVersion5Header = "Windows Registry Editor Version 5.00";

/// Converts a .reg file as read from disk into code page 936 text; false with the line and
/// the reason (naming the character at fault) when it cannot be converted.
[[nodiscard]] bool DecodeRegFileText(std::string_view bytes, std::string* text,
                                     RegParseError* error);

/// Version 5 string data (UTF-16LE, as hex(1), hex(2) and hex(7) hold it) to the code page 936
/// bytes a REGEDIT4 file holds for the same value; false with the reason when it is not
/// UTF-16LE or has a character code page 936 cannot hold.
[[nodiscard]] bool Utf16DataToGb(std::string_view utf16, std::string* gb, std::string* reason);

/// True for the types whose data a version 5 file holds as UTF-16LE text.
[[nodiscard]] bool IsTextType(std::uint32_t type);

}  // namespace tocklet
