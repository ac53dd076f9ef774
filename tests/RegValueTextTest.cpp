// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include "store/Registry.h"
#include "store/Text.h"
#include "tools/RegValueText.h"

namespace tocklet {
namespace {

using namespace std::string_literals;

TEST(RegValueText, NamesEveryTypeAndShowsItsData) {
    struct Case {
        RegValue value;
        const char* type;
        std::string text;
    };
    const std::vector<Case> cases = {
        {{kRegNone, ""}, "REG_NONE", ""},
        {{kRegSz, "1110,30_|"s + Gb("开会") + "\0\0"s}, "REG_SZ", "1110,30_|开会"},
        {{kRegExpandSz, "%HOME%\\a\tb\0"s}, "REG_EXPAND_SZ", "%HOME%\\a\\tb"},
        {{kRegBinary, "\x09\x0a"}, "REG_BINARY", "\\t\\n"},
        {{kRegDword, "\x1e\0\0\0"s}, "REG_DWORD", "0x0000001e (30)"},
        {{kRegDword, "\xff\xff\xff\xff"}, "REG_DWORD", "0xffffffff (4294967295)"},
        {{kRegDword, "1"}, "REG_DWORD", "(invalid DWORD (32-bit) value)"},
        {{kRegDwordBigEndian, "\0\0\1\0"s}, "REG_DWORD_BIG_ENDIAN", "0x00000100 (256)"},
        {{kRegLink, "a"}, "REG_LINK", "a"},
        {{kRegMultiSz, "a\0"s + Gb("开会") + "\0\0b\0\0"s}, "REG_MULTI_SZ", "a\\0开会\\0\\0b"},
        {{kRegMultiSz, "\0\0"s}, "REG_MULTI_SZ", ""},
        {{kRegResourceList, "x"}, "REG_RESOURCE_LIST", "x"},
        {{kRegFullResourceDescriptor, ""}, "REG_FULL_RESOURCE_DESCRIPTOR", ""},
        {{kRegResourceRequirementsList, ""}, "REG_RESOURCE_REQUIREMENTS_LIST", ""},
        {{kRegQword, "\x20\0\0\0\0\0\0\x01"s},
         "REG_QWORD",
         "0x0100000000000020 (72057594037927968)"},
        {{kRegQword, "\x20\0\0\0"s}, "REG_QWORD", "(invalid QWORD (64-bit) value)"},
        {{0x12345678, "zz"}, "REG_UNKNOWN(0x12345678)", "zz"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RegTypeName(c.value.type), c.type);
        EXPECT_EQ(RegValueText(c.value), c.text) << c.type;
    }
}

}  // namespace
}  // namespace tocklet
