// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "protection/PasswordRules.h"
#include "store/Text.h"

namespace tocklet {
namespace {

TEST(PasswordAcceptedTest, OnlyTheWholeStoredPasswordPasses) {
    EXPECT_TRUE(PasswordAccepted("secret", "secret"));
    // Text after the password makes it a different password.
    EXPECT_FALSE(PasswordAccepted("secret", "secretXYZ"));
    EXPECT_FALSE(PasswordAccepted("secret", "secre"));
    EXPECT_FALSE(PasswordAccepted("secret", "Secret"));
    EXPECT_FALSE(PasswordAccepted("secret", ""));
    EXPECT_FALSE(PasswordAccepted("secret", "xsecret"));
    const std::string chinese = Gb("口令");
    EXPECT_TRUE(PasswordAccepted(chinese, chinese));
    EXPECT_FALSE(PasswordAccepted(chinese, chinese.substr(0, 3)));
}

TEST(PasswordAcceptedTest, NoPasswordStoredLetsEveryInputThrough) {
    EXPECT_TRUE(PasswordAccepted("", ""));
    EXPECT_TRUE(PasswordAccepted("", "anything"));
}

TEST(PasswordChangeAllowedTest, OldMustMatchAndNewMustBeConfirmed) {
    EXPECT_TRUE(PasswordChangeAllowed("old", "old", "new", "new"));
    EXPECT_FALSE(PasswordChangeAllowed("old", "Old", "new", "new"));
    EXPECT_FALSE(PasswordChangeAllowed("old", "oldx", "new", "new"));
    EXPECT_FALSE(PasswordChangeAllowed("old", "old", "new", "New"));
    EXPECT_FALSE(PasswordChangeAllowed("old", "old", "new", "ne"));
    // With no password stored the old one is the empty text, and an empty new one is allowed.
    EXPECT_TRUE(PasswordChangeAllowed("", "", "", ""));
    EXPECT_FALSE(PasswordChangeAllowed("", "x", "new", "new"));
}

TEST(GateTest, AsksOnlyWhileProtectionIsOn) {
    int asked = 0;
    auto accept = [&] { return ++asked, 1; };
    auto refuse = [&] { return ++asked, 0; };
    EXPECT_TRUE(GateOpen(false, refuse));
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(GateOpen(true, accept));
    EXPECT_FALSE(GateOpen(true, refuse));
    EXPECT_EQ(asked, 2);
}

TEST(SwitchProtectionTest, CheckingNeverAsks) {
    int asked = 0;
    std::vector<bool> shown;
    const bool flag = SwitchProtection(
        true, [&](bool c) { shown.push_back(c); }, [&] { return ++asked, 0; });
    EXPECT_TRUE(flag);
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(shown.empty());
}

TEST(SwitchProtectionTest, ClearingPutsTheCheckBackAndAsks) {
    std::vector<bool> shown;
    bool checkedWhileAsking = false;
    const bool refused = SwitchProtection(
        false, [&](bool c) { shown.push_back(c); },
        [&] {
            checkedWhileAsking = !shown.empty() && shown.back();
            return 0;
        });
    EXPECT_TRUE(refused);
    EXPECT_TRUE(checkedWhileAsking);
    EXPECT_EQ(shown, std::vector<bool>({true}));

    shown.clear();
    const bool accepted = SwitchProtection(
        false, [&](bool c) { shown.push_back(c); }, [] { return 1; });
    EXPECT_FALSE(accepted);
    EXPECT_EQ(shown, std::vector<bool>({true, false}));
}

}  // namespace
}  // namespace tocklet
