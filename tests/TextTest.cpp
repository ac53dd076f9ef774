// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include "store/Text.h"

namespace tocklet {
namespace {

TEST(Text, ConvertsBothWaysWithExactBytes) {
    EXPECT_EQ(Gb("开会"), "\xBF\xAA\xBB\xE1");
    EXPECT_EQ(Gb("控制面板").size(), 8u);
    EXPECT_EQ(GbToUtf8("\xBF\xAA\xBB\xE1"), "开会");
    EXPECT_EQ(GbToUtf8("abc"), "abc");
    // A character outside code page 936 has no form; a broken sequence still decodes.
    EXPECT_FALSE(TryUtf8ToGb("😀").has_value());
    EXPECT_EQ(GbToUtf8("a\xFF"), "a\xEF\xBF\xBD");
}

TEST(Text, FindCharSkipsSecondBytes) {
    // 0xB1 0x7C is one character whose second byte equals '|'.
    std::string s = "\xB1\x7C|x";
    EXPECT_EQ(FindChar(s, '|'), 2u);
    EXPECT_EQ(FindChar("a_b_c", '_', 2), 3u);
    EXPECT_EQ(FindChar("\xB1\x5F", '_'), std::string_view::npos);
    // A lone lead byte at the end counts as one byte.
    EXPECT_EQ(CharBytes("a\xB1", 1), 1u);
}

TEST(Text, CutNeverSplitsACharacter) {
    std::string s = "ab" + Gb("开会");  // 6 bytes
    EXPECT_EQ(CutAtCharBoundary(s, 3), "ab");
    EXPECT_EQ(CutAtCharBoundary(s, 4).size(), 4u);
    EXPECT_EQ(CutAtCharBoundary(s, 5).size(), 4u);
    EXPECT_EQ(CutAtCharBoundary(s, 10), s);
}

TEST(Text, AtoiLikeFollowsTheCLibrary) {
    EXPECT_EQ(AtoiLike(" 12ab"), 12);
    EXPECT_EQ(AtoiLike("-7"), -7);
    EXPECT_EQ(AtoiLike("+3"), 3);
    EXPECT_EQ(AtoiLike("x1"), 0);
    EXPECT_EQ(AtoiLike(""), 0);
    EXPECT_EQ(AtoiLike("99999999999"), 2147483647);
    EXPECT_EQ(UpToZero(std::string_view("1\0\0", 3)), "1");
}

TEST(Text, TwoByteRuleRefusesTheEuroSignAndCutCharacters) {
    EXPECT_TRUE(FollowsTwoByteRule(Gb("开会 ok")));
    EXPECT_TRUE(FollowsTwoByteRule("\x81\x80"));  // 0x80 as a second byte is fine
    EXPECT_FALSE(FollowsTwoByteRule("a\x80"));
    EXPECT_FALSE(FollowsTwoByteRule("a\x81"));  // a lead byte without its second byte
    EXPECT_EQ(Trim(" \t a b\t "), "a b");
    EXPECT_EQ(TrimLeft("  a "), "a ");
    EXPECT_EQ(TrimRight("  a "), "  a");
}

}  // namespace
}  // namespace tocklet
