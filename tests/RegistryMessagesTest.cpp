// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The message the user reads at start when the registry file cannot be used.
#include <gtest/gtest.h>

#include "shell/RegistryMessages.h"
#include "store/Text.h"

namespace tocklet {
namespace {

TEST(RegistryMessages, NameTheFileAndTheLineInChinese) {
    struct Case {
        std::string path;
        int line;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"/home/u/.config/tocklet/registry.reg", 4,
         "注册表文件已损坏：\n/home/u/.config/tocklet/registry.reg\n第 4 行有错。"},
        {"/home/u/.config/tocklet/registry.reg", 0,
         "无法读取注册表文件：\n/home/u/.config/tocklet/registry.reg\n"},
        // A character the code page has no form for does not hide the rest of the name.
        {"/home/用户\xF0\x9F\x98\x80/registry.reg", 12, "/home/用户?/registry.reg\n第 12 行"},
    };
    for (const Case& c : cases) {
        const std::string shown = GbToUtf8(RegistryProblemMessage(c.path, c.line));
        EXPECT_NE(shown.find(c.expected), std::string::npos) << shown;
        EXPECT_NE(shown.find("守时鸟"), std::string::npos) << shown;
    }
}

}  // namespace
}  // namespace tocklet
