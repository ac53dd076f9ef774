// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "store/Text.h"

#include <iconv.h>

#include <cerrno>
#include <climits>
#include <stdexcept>
#include <vector>

namespace tocklet {
namespace {

// Runs one whole conversion; in lossy mode an invalid input byte becomes U+FFFD.
[[nodiscard]] std::optional<std::string> Convert(const char* to, const char* from,
                                                 std::string_view in, bool lossy) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    std::string out;
    std::vector<char> buf(in.size() * 4 + 16);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    bool ok = true;
    while (true) {
        char* dst = buf.data();
        std::size_t dstLeft = buf.size();
        std::size_t r = srcLeft ? iconv(cd, &src, &srcLeft, &dst, &dstLeft)
                                : iconv(cd, nullptr, nullptr, &dst, &dstLeft);
        out.append(buf.data(), static_cast<std::size_t>(dst - buf.data()));
        if (r != static_cast<std::size_t>(-1)) {
            if (srcLeft == 0) break;
            continue;
        }
        if (errno == E2BIG) continue;
        if (!lossy) {
            ok = false;
            break;
        }
        // EILSEQ or EINVAL: skip one byte and mark it.
        out.append("\xEF\xBF\xBD");
        ++src;
        --srcLeft;
        if (srcLeft == 0) break;
    }
    iconv_close(cd);
    if (!ok) return std::nullopt;
    return out;
}

}  // namespace

std::size_t CharBytes(std::string_view text, std::size_t pos) {
    if (pos < text.size() && IsLeadByte(static_cast<unsigned char>(text[pos])) &&
        pos + 1 < text.size()) {
        return 2;
    }
    return 1;
}

std::size_t FindChar(std::string_view text, char c, std::size_t from) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (pos >= from && text[pos] == c) return pos;
        pos += CharBytes(text, pos);
    }
    return std::string_view::npos;
}

std::string_view CutAtCharBoundary(std::string_view text, std::size_t maxBytes) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t n = CharBytes(text, pos);
        if (pos + n > maxBytes) break;
        pos += n;
    }
    return text.substr(0, pos);
}

std::optional<std::string> TryUtf8ToGb(std::string_view utf8) {
    return Convert("CP936", "UTF-8", utf8, false);
}

std::string Gb(std::string_view utf8) {
    auto r = TryUtf8ToGb(utf8);
    if (!r) throw std::invalid_argument("text has no code page 936 form");
    return *r;
}

std::optional<std::string> TryGbToUtf16(std::string_view gb) {
    auto utf16 = Convert("UTF-16LE", "CP936", gb, false);
    // Some byte pairs decode to a character that encodes back differently; they would not
    // survive a trip through UTF-16.
    if (!utf16 || Convert("CP936", "UTF-16LE", *utf16, false) != std::optional<std::string>(gb)) {
        return std::nullopt;
    }
    return utf16;
}

std::optional<std::string> TryUtf16ToUtf8(std::string_view utf16) {
    return Convert("UTF-8", "UTF-16LE", utf16, false);
}

bool IsUtf8(std::string_view text) { return Convert("UTF-16LE", "UTF-8", text, false).has_value(); }

std::string GbToUtf8(std::string_view gb) { return *Convert("UTF-8", "CP936", gb, true); }

bool FollowsTwoByteRule(std::string_view gbText) {
    for (std::size_t i = 0; i < gbText.size(); ++i) {
        const auto byte = static_cast<unsigned char>(gbText[i]);
        if (byte < 0x80) continue;
        // Lead bytes of the code page run from 0x81 to 0xFE and always have a second byte.
        if (byte == 0x80 || byte == 0xFF || i + 1 >= gbText.size()) return false;
        ++i;
    }
    return true;
}

std::string_view TrimLeft(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    return s;
}

std::string_view TrimRight(std::string_view s) {
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string_view Trim(std::string_view s) { return TrimRight(TrimLeft(s)); }

std::string_view UpToZero(std::string_view bytes) {
    auto z = bytes.find('\0');
    return z == std::string_view::npos ? bytes : bytes.substr(0, z);
}

int AtoiLike(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value <= INT_MAX) value = value * 10 + (text[i] - '0');
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

}  // namespace tocklet
