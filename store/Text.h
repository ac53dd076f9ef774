// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Text inside the program is code page 936 bytes held in std::string. These helpers
// convert at the edges (UTF-8 source literals, the terminal, Qt) and walk the bytes
// knowing that a byte of 0x80 or above starts a two-byte character.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tocklet {

/// True when the byte starts a two-byte character.
[[nodiscard]] constexpr bool IsLeadByte(unsigned char c) { return c >= 0x80; }

/// Bytes taken by the character starting at pos: 2 for a lead byte with a byte after it, else 1.
[[nodiscard]] std::size_t CharBytes(std::string_view text, std::size_t pos);

/// Position of the first single-byte character c at or after from, skipping the second
/// bytes of two-byte characters; npos when there is none.
[[nodiscard]] std::size_t FindChar(std::string_view text, char c, std::size_t from = 0);

/// The longest prefix of at most maxBytes bytes that does not cut a two-byte character.
[[nodiscard]] std::string_view CutAtCharBoundary(std::string_view text, std::size_t maxBytes);

/// UTF-8 to code page 936; nullopt when a character has no code page 936 form or the input
/// is not valid UTF-8.
[[nodiscard]] std::optional<std::string> TryUtf8ToGb(std::string_view utf8);

/// UTF-8 to code page 936 for texts known to be representable (the program's own literals).
[[nodiscard]] std::string Gb(std::string_view utf8);

/// Code page 936 to UTF-16LE (no byte-order mark); nullopt unless the bytes are code page 936
/// text that converts back to exactly the same bytes.
[[nodiscard]] std::optional<std::string> TryGbToUtf16(std::string_view gb);

/// UTF-16LE (no byte-order mark) to UTF-8; nullopt for an odd byte count or a broken
/// surrogate pair.
[[nodiscard]] std::optional<std::string> TryUtf16ToUtf8(std::string_view utf16);

/// True when the bytes are well-formed UTF-8.
[[nodiscard]] bool IsUtf8(std::string_view text);

/// Bytes of the UTF-8 character that starts with lead (1 for a byte that starts none), for
/// walking UTF-8 text one character at a time.
[[nodiscard]] constexpr std::size_t Utf8CharBytes(unsigned char lead) {
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

/// Code page 936 to UTF-8; a byte sequence that is not valid code page 936 becomes U+FFFD.
[[nodiscard]] std::string GbToUtf8(std::string_view gb);

/// True when code page 936 text keeps to the program's text rule that every byte of 0x80 or
/// above starts a two-byte character; the euro sign, one byte 0x80 in the code page, breaks it
/// and would throw every later character out of step.
[[nodiscard]] bool FollowsTwoByteRule(std::string_view gbText);

/// True for the blanks the program's text formats allow around names and values: space, tab.
[[nodiscard]] constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }

/// The text without the blanks at its start, at its end, or both.
[[nodiscard]] std::string_view TrimLeft(std::string_view s);
[[nodiscard]] std::string_view TrimRight(std::string_view s);
[[nodiscard]] std::string_view Trim(std::string_view s);

/// The text up to the first zero byte (or all of it when there is none).
[[nodiscard]] std::string_view UpToZero(std::string_view bytes);

/// Reads a number the way the C library's atoi does: leading blanks, optional sign, digits;
/// 0 when there are no digits. Saturates instead of overflowing.
[[nodiscard]] int AtoiLike(std::string_view text);

}  // namespace tocklet
