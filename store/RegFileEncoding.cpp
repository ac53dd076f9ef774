// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "store/RegFileEncoding.h"

#include <cstdio>
#include <vector>

#include "store/Registry.h"
#include "store/Text.h"

namespace tocklet {
namespace {

constexpr std::string_view kUtf16Bom = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianBom = "\xFE\xFF";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

enum class Encoding { Gb, Utf8, Utf16 };

std::string HexByte(unsigned char c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%02X", c);
    return buf;
}

// The code point of one well-formed UTF-8 character.
char32_t CodePoint(std::string_view ch) {
    auto lead = static_cast<unsigned char>(ch[0]);
    if (ch.size() == 1) return lead;
    char32_t cp = lead & (0x7F >> ch.size());
    for (std::size_t i = 1; i < ch.size(); ++i) {
        cp = (cp << 6) | (static_cast<unsigned char>(ch[i]) & 0x3F);
    }
    return cp;
}

// Names the first character of utf8 that code page 936 has no form for, or its first byte
// that is not UTF-8.
std::string WhyNotGb(std::string_view utf8) {
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        auto lead = static_cast<unsigned char>(utf8[pos]);
        std::string_view ch = utf8.substr(pos, Utf8CharBytes(lead));
        if (!TryUtf8ToGb(ch)) {
            if (!IsUtf8(ch)) {
                return "byte " + HexByte(lead) +
                       " is not UTF-8 text (a version 5 file is read as UTF-16LE with a "
                       "byte-order mark, as regedit writes it, or as UTF-8)";
            }
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(CodePoint(ch)));
            return "the character \"" + std::string(ch) + "\" (" + code +
                   ") has no code page 936 form, so it cannot be stored";
        }
        pos += ch.size();
    }
    return "the text cannot be converted to code page 936";
}

[[nodiscard]] bool Utf8ToGb(std::string_view utf8, std::string* gb, std::string* reason) {
    if (auto converted = TryUtf8ToGb(utf8)) {
        *gb = std::move(*converted);
        return true;
    }
    *reason = WhyNotGb(utf8);
    return false;
}

[[nodiscard]] bool Utf16ToGb(std::string_view utf16, std::string* gb, std::string* reason) {
    std::optional<std::string> utf8 = TryUtf16ToUtf8(utf16);
    if (!utf8) {
        *reason = utf16.size() % 2 != 0 ? "UTF-16 text with an odd number of bytes"
                                        : "broken UTF-16 text (a lone surrogate)";
        return false;
    }
    return Utf8ToGb(*utf8, gb, reason);
}

// Splits the file into lines at LF (the unit 0A 00 in UTF-16); each line keeps its CR.
std::vector<std::string_view> Lines(std::string_view text, Encoding encoding) {
    std::vector<std::string_view> lines;
    const std::size_t step = encoding == Encoding::Utf16 ? 2 : 1;
    std::size_t start = 0;
    for (std::size_t i = 0; i + step <= text.size(); i += step) {
        if (text[i] == '\n' && (step == 1 || text[i + 1] == '\0')) {
            lines.push_back(text.substr(start, i - start));
            start = i + step;
        }
    }
    lines.push_back(text.substr(start));
    return lines;
}

bool IsCommentLine(std::string_view line, Encoding encoding) {
    const std::size_t step = encoding == Encoding::Utf16 ? 2 : 1;
    for (std::size_t i = 0; i + step <= line.size(); i += step) {
        if (step == 2 && line[i + 1] != '\0') return false;
        if (line[i] != ' ' && line[i] != '\t') return line[i] == ';';
    }
    return false;
}

[[nodiscard]] bool ConvertLine(std::string_view line, Encoding encoding, std::string* gb,
                               std::string* reason) {
    return encoding == Encoding::Utf16 ? Utf16ToGb(line, gb, reason) : Utf8ToGb(line, gb, reason);
}

// The slow way, taken only when the whole text does not convert: line by line, to name the
// line at fault and to let comment lines through.
[[nodiscard]] bool ConvertByLine(std::string_view body, Encoding encoding, std::string* text,
                                 RegParseError* error) {
    std::vector<std::string_view> lines = Lines(body, encoding);
    text->clear();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string gb;
        std::string reason;
        if (!ConvertLine(lines[i], encoding, &gb, &reason)) {
            if (!IsCommentLine(lines[i], encoding)) {
                error->line = static_cast<int>(i) + 1;
                error->reason = reason;
                return false;
            }
            gb = ";";
        }
        *text += gb;
        if (i + 1 < lines.size()) *text += '\n';
    }
    return true;
}

}  // namespace

bool IsTextType(std::uint32_t type) {
    return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz;
}

bool DecodeRegFileText(std::string_view bytes, std::string* text, RegParseError* error) {
    Encoding encoding = Encoding::Gb;
    std::string_view body = bytes;
    if (bytes.substr(0, 2) == kUtf16Bom) {
        encoding = Encoding::Utf16;
        body.remove_prefix(2);
    } else if (bytes.substr(0, 2) == kUtf16BigEndianBom) {
        error->line = 1;
        error->reason = "the file is UTF-16 big-endian; save it as UTF-16LE (\"Unicode\") or UTF-8";
        return false;
    } else if (bytes.substr(0, 3) == kUtf8Bom) {
        encoding = Encoding::Utf8;
        body.remove_prefix(3);
    } else if (bytes.substr(0, kVersion5Header.size()) == kVersion5Header) {
        encoding = Encoding::Utf8;
    }
    if (encoding == Encoding::Gb) {
        text->assign(bytes);
        return true;
    }
    if (encoding == Encoding::Utf16 && body.size() % 2 != 0) {
        error->line = static_cast<int>(Lines(body, encoding).size());
        error->reason = "the file ends in half a UTF-16 character";
        return false;
    }
    std::string reason;
    if (ConvertLine(body, encoding, text, &reason)) return true;
    return ConvertByLine(body, encoding, text, error);
}

bool Utf16DataToGb(std::string_view utf16, std::string* gb, std::string* reason) {
    return Utf16ToGb(utf16, gb, reason);
}

}  // namespace tocklet
