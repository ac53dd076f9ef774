// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include "store/Hive.h"
#include "store/Registry.h"

namespace tocklet {
namespace {

constexpr const char* kProgramKey = "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\tocklet";

RegValue Sz(std::string bytes) { return RegValue{kRegSz, std::move(bytes)}; }

TEST(Hive, KeysAndValueNamesIgnoreAsciiCaseAndKeepTheFirstSpelling) {
    Hive hive;
    ASSERT_TRUE(hive.CreateKey(kProgramKey));
    EXPECT_TRUE(hive.KeyExists("HKEY_LOCAL_MACHINE\\SoftWare\\Microsoft\\Windows\\tocklet"));
    EXPECT_TRUE(hive.KeyExists("hkey_local_machine\\SOFTWARE\\MICROSOFT\\WINDOWS\\TOCKLET"));
    EXPECT_TRUE(hive.KeyExists("HKLM\\Software\\Microsoft"));
    EXPECT_FALSE(hive.KeyExists("HKEY_CURRENT_USER\\Software"));

    // A second spelling reaches the same key and does not rename it.
    ASSERT_TRUE(hive.CreateKey("HKLM\\SOFTWARE\\Microsoft\\Windows\\TOCKLET\\Sub"));
    EXPECT_EQ(hive.SubkeyNames("HKLM\\Software\\Microsoft\\Windows"),
              std::vector<std::string>{"tocklet"});

    ASSERT_TRUE(hive.SetValue(kProgramKey, "ClockOpen", Sz("1")));
    ASSERT_TRUE(hive.SetValue(kProgramKey, "CLOCKOPEN", Sz("0")));
    ASSERT_NE(hive.GetValue(kProgramKey, "clockopen"), nullptr);
    EXPECT_EQ(hive.GetValue(kProgramKey, "clockopen")->bytes, "0");
    ASSERT_EQ(hive.Values(kProgramKey)->size(), 1u);
    EXPECT_EQ(hive.Values(kProgramKey)->front().name, "ClockOpen");
}

TEST(Hive, SecondBytesOfTwoByteCharactersAreNeitherFoldedNorSeparators) {
    Hive hive;
    // 0xB0 0x41 and 0xB0 0x61 are different characters; 0xB1 0x5C holds a backslash byte.
    std::string upper = "HKLM\\\xB0\x41";
    std::string lower = "HKLM\\\xB0\x61";
    ASSERT_TRUE(hive.CreateKey(upper));
    EXPECT_FALSE(hive.KeyExists(lower));
    ASSERT_TRUE(
        hive.CreateKey("HKLM\\a\xB1\x5C"
                       "b"));
    EXPECT_EQ(hive.SubkeyNames("HKLM"), (std::vector<std::string>{"\xB0\x41",
                                                                  "a\xB1\x5C"
                                                                  "b"}));
    ASSERT_TRUE(hive.SetValue(upper, "\xB0\x41", Sz("x")));
    EXPECT_EQ(hive.GetValue(upper, "\xB0\x61"), nullptr);
    EXPECT_NE(hive.GetValue(upper, "\xB0\x41"), nullptr);
}

TEST(Hive, CreateMakesParentsAndDeleteTakesTheWholeSubtree) {
    Hive hive;
    ASSERT_TRUE(hive.CreateKey("HKLM\\A\\B\\C"));
    EXPECT_TRUE(hive.KeyExists("HKLM\\A"));
    EXPECT_TRUE(hive.KeyExists("HKLM\\A\\B"));
    ASSERT_TRUE(hive.SetValue("HKLM\\A\\B\\C", "v", Sz("1")));
    ASSERT_TRUE(hive.CreateKey("HKLM\\A\\D"));

    EXPECT_TRUE(hive.DeleteKey("hklm\\a\\b"));
    EXPECT_FALSE(hive.KeyExists("HKLM\\A\\B\\C"));
    EXPECT_EQ(hive.GetValue("HKLM\\A\\B\\C", "v"), nullptr);
    EXPECT_TRUE(hive.KeyExists("HKLM\\A\\D"));
    EXPECT_FALSE(hive.DeleteKey("HKLM\\A\\B"));

    EXPECT_TRUE(hive.DeleteKey("HKEY_LOCAL_MACHINE"));
    EXPECT_TRUE(hive.Empty());
}

TEST(Hive, ValuesKeepInsertionOrderExactBytesAndNeedAKey) {
    Hive hive;
    EXPECT_FALSE(hive.SetValue(kProgramKey, "happen", Sz("0")));
    ASSERT_TRUE(hive.CreateKey(kProgramKey));
    ASSERT_TRUE(hive.SetValue(kProgramKey, "b", Sz(std::string("1\0\0", 3))));
    ASSERT_TRUE(hive.SetValue(kProgramKey, "a", RegValue{kRegBinary, ""}));
    ASSERT_TRUE(hive.SetValue(kProgramKey, "", Sz("d")));
    ASSERT_TRUE(hive.SetValue(kProgramKey, "B", RegValue{7, std::string("x\0y", 3)}));

    const auto& values = *hive.Values(kProgramKey);
    ASSERT_EQ(values.size(), 3u);
    EXPECT_EQ(values[0].name, "b");
    EXPECT_EQ(values[0].value, (RegValue{7, std::string("x\0y", 3)}));
    EXPECT_EQ(values[1].name, "a");
    EXPECT_EQ(values[2].name, "");

    EXPECT_TRUE(hive.DeleteValue(kProgramKey, "A"));
    EXPECT_FALSE(hive.DeleteValue(kProgramKey, "A"));
    EXPECT_EQ(hive.Values(kProgramKey)->size(), 2u);
}

TEST(Hive, RefusesPathsAndNamesAFileCouldNotHoldBack) {
    Hive hive;
    for (std::string bad : {"", "Software", "HKLM\\", "HKLM\\\\a", "HKLM\\a\\", "HKXX\\a",
                            "HKLM\\a\nb", "HKLM\\a\tb", "HKLM\\a\xB0", "\\HKLM\\a"}) {
        EXPECT_FALSE(hive.CreateKey(bad)) << bad;
        EXPECT_EQ(NormalizeKeyPath(bad), "") << bad;
    }
    EXPECT_FALSE(hive.CreateKey("HKLM\\" + std::string(256, 'k')));
    EXPECT_TRUE(hive.CreateKey("HKLM\\" + std::string(255, 'k')));
    EXPECT_TRUE(hive.Empty() == false);

    ASSERT_TRUE(hive.CreateKey("HKCU\\x"));
    EXPECT_FALSE(hive.SetValue("HKCU\\x", "a\nb", Sz("")));
    EXPECT_FALSE(hive.SetValue("HKCU\\x", "a\xB0", Sz("")));
    EXPECT_TRUE(hive.SetValue("HKCU\\x", "a \"q\" \\ ;=[]", Sz("")));
    EXPECT_EQ(NormalizeKeyPath("hkcu\\x"), "HKEY_CURRENT_USER\\x");
}

TEST(Hive, VisitsParentsBeforeChildrenWithFullPaths) {
    Hive hive;
    ASSERT_TRUE(hive.CreateKey("HKLM\\A\\B"));
    ASSERT_TRUE(hive.CreateKey("HKCU\\C"));
    ASSERT_TRUE(hive.CreateKey("HKLM\\D"));
    std::vector<std::string> seen;
    hive.ForEachKey(
        [&](const std::string& path, const std::vector<NamedValue>&) { seen.push_back(path); });
    EXPECT_EQ(seen, (std::vector<std::string>{"HKEY_LOCAL_MACHINE", "HKEY_LOCAL_MACHINE\\A",
                                              "HKEY_LOCAL_MACHINE\\A\\B", "HKEY_LOCAL_MACHINE\\D",
                                              "HKEY_CURRENT_USER", "HKEY_CURRENT_USER\\C"}));
}

}  // namespace
}  // namespace tocklet
