#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/FakeProfile.h"
#include "fakes/FakeRegistry.h"
#include "platform/Text.h"
#include "protection/PasswordRules.h"
#include "protection/PasswordStore.h"
#include "settings/ClockOptions.h"
#include "settings/SettingsTable.h"

namespace tocklet {
namespace {

using testing::FakeProfile;
using testing::FakeRegistry;

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

class PasswordStoreTest : public ::testing::Test {
protected:
    void SetUp() override { reg.AddKey(kCurrentVersionKeyRead); }

    FakeRegistry reg;
};

using Step = SettingsFailure::Step;
using Failures = std::vector<SettingsFailure>;

TEST_F(PasswordStoreTest, FirstPasswordIsWrittenWithTenBytesThroughTheWriteSpelling) {
    EXPECT_TRUE(StoreFirstPassword(reg, "abc").Ok());
    ASSERT_EQ(reg.writes.size(), 1u);
    EXPECT_EQ(reg.writes[0].key, kCurrentVersionKeyWrite);
    EXPECT_EQ(reg.writes[0].name, "pass");
    EXPECT_EQ(reg.writes[0].bytes, std::string("abc\0\0\0\0\0\0\0", 10));
    EXPECT_EQ(reg.OpenHandles(), 0u);
}

TEST_F(PasswordStoreTest, TenCharacterPasswordIsStoredAndReadBackWhole) {
    ASSERT_TRUE(StoreFirstPassword(reg, "0123456789").Ok());
    EXPECT_EQ(*reg.Get(kCurrentVersionKeyRead, "pass"), "0123456789");
    ScopedKey key(reg);
    ASSERT_EQ(reg.OpenKey(RegRoot::LocalMachine, kCurrentVersionKeyRead, kKeyRead, key.Out()),
              kRegOk);
    EXPECT_EQ(ReadStringValue(reg, key.Get(), "pass", 11), "0123456789");
}

TEST_F(PasswordStoreTest, FirstPasswordFailures) {
    reg.FailOpenForWrite(kCurrentVersionKeyWrite);
    EXPECT_EQ(StoreFirstPassword(reg, "abc").failures,
              (Failures{{Step::OpenKey, Setting::FirstPassword},
                        {Step::SetValue, Setting::FirstPassword}}));
    EXPECT_TRUE(reg.writes.empty());

    FakeRegistry failing;
    failing.AddKey(kCurrentVersionKeyRead);
    failing.FailSet(kCurrentVersionKeyWrite, "pass");
    EXPECT_EQ(StoreFirstPassword(failing, "abc").failures,
              (Failures{{Step::SetValue, Setting::FirstPassword}}));
    EXPECT_EQ(failing.OpenHandles(), 0u);
}

TEST_F(PasswordStoreTest, ChangedPasswordIsWrittenWithElevenBytesThroughTheReadSpelling) {
    EXPECT_TRUE(WriteChangedPassword(reg, "0123456789").Ok());
    ASSERT_EQ(reg.writes.size(), 1u);
    EXPECT_EQ(reg.writes[0].key, kCurrentVersionKeyRead);
    EXPECT_EQ(reg.writes[0].name, "pass");
    EXPECT_EQ(reg.writes[0].bytes, std::string("0123456789\0", 11));
    EXPECT_EQ(reg.OpenHandles(), 0u);
}

TEST_F(PasswordStoreTest, ChangedPasswordThatCannotBeWrittenIsReported) {
    reg.FailSet(kCurrentVersionKeyRead, "pass");
    EXPECT_TRUE(WriteChangedPassword(reg, "new").Failed(Step::SetValue, Setting::ChangedPassword));

    FakeRegistry noKey;
    EXPECT_TRUE(WriteChangedPassword(noKey, "new").Failed(Step::OpenKey, Setting::ChangedPassword));
}

TEST(FirstUseClockOptionsTest, ColourThenClock) {
    FakeProfile profile;
    EXPECT_TRUE(WriteFirstUseClockOptions(profile));
    ASSERT_EQ(profile.writes.size(), 2u);
    EXPECT_EQ(profile.writes[0].section, "option");
    EXPECT_EQ(profile.writes[0].key, "color");
    EXPECT_EQ(profile.writes[0].value, "2");
    EXPECT_EQ(profile.writes[1].section, "option");
    EXPECT_EQ(profile.writes[1].key, "clock");
    EXPECT_EQ(profile.writes[1].value, "1");
}

}  // namespace
}  // namespace tocklet
