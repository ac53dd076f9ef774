// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "tools/RegValueText.h"

#include <array>
#include <cinttypes>
#include <cstdio>
#include <string_view>

#include "store/Registry.h"
#include "store/Text.h"

namespace tocklet {
namespace {

constexpr std::array<std::string_view, 12> kTypeNames{
    "REG_NONE",
    "REG_SZ",
    "REG_EXPAND_SZ",
    "REG_BINARY",
    "REG_DWORD",
    "REG_DWORD_BIG_ENDIAN",
    "REG_LINK",
    "REG_MULTI_SZ",
    "REG_RESOURCE_LIST",
    "REG_FULL_RESOURCE_DESCRIPTOR",
    "REG_RESOURCE_REQUIREMENTS_LIST",
    "REG_QWORD",
};

// Code page 936 text in UTF-8, control characters escaped so that each value stays on one
// tab-separated line (the hex column holds the exact bytes).
std::string Escaped(std::string_view gb) {
    std::string out;
    for (char ch : GbToUtf8(gb)) {
        auto c = static_cast<unsigned char>(ch);
        if (c == '\t') {
            out += "\\t";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c < 0x20 || c == 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02x", c);
            out += buf;
        } else {
            out += ch;
        }
    }
    return out;
}

// The bytes as an unsigned number, the first byte lowest unless bigEndian.
std::string Number(std::string_view bytes, bool bigEndian) {
    std::uint64_t n = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::size_t at = bigEndian ? i : bytes.size() - 1 - i;
        n = (n << 8) | static_cast<unsigned char>(bytes[at]);
    }
    char buf[48];
    std::snprintf(buf, sizeof buf, "0x%0*" PRIx64 " (%" PRIu64 ")",
                  static_cast<int>(bytes.size() * 2), n, n);
    return buf;
}

// The strings of a REG_MULTI_SZ: split at zero bytes, the terminating zeros left out.
std::string MultiText(std::string_view bytes) {
    while (!bytes.empty() && bytes.back() == '\0') bytes.remove_suffix(1);
    std::string out;
    std::size_t start = 0;
    while (true) {
        std::size_t zero = bytes.find('\0', start);
        out += Escaped(bytes.substr(start, zero - start));
        if (zero == std::string_view::npos) return out;
        out += "\\0";
        start = zero + 1;
    }
}

}  // namespace

std::string RegTypeName(std::uint32_t type) {
    if (type < kTypeNames.size()) return std::string(kTypeNames[type]);
    char buf[32];
    std::snprintf(buf, sizeof buf, "REG_UNKNOWN(0x%08x)", static_cast<unsigned>(type));
    return buf;
}

std::string RegValueText(const RegValue& value) {
    std::string_view bytes(value.bytes);
    switch (value.type) {
        case kRegDword:
        case kRegDwordBigEndian:
            if (bytes.size() != 4) return "(invalid DWORD (32-bit) value)";
            return Number(bytes, value.type == kRegDwordBigEndian);
        case kRegQword:
            if (bytes.size() != 8) return "(invalid QWORD (64-bit) value)";
            return Number(bytes, false);
        case kRegMultiSz:
            return MultiText(bytes);
        default:
            return Escaped(UpToZero(bytes));
    }
}

}  // namespace tocklet
