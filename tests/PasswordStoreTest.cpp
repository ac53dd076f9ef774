// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/FakeRegistry.h"
#include "protection/PasswordStore.h"

namespace tocklet {
namespace {

using testing::FakeRegistry;
using Step = SettingsFailure::Step;
using Failures = std::vector<SettingsFailure>;

class PasswordStoreTest : public ::testing::Test {
protected:
    void SetUp() override { reg.AddKey(kCurrentVersionKeyRead); }

    FakeRegistry reg;
};

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

}  // namespace
}  // namespace tocklet
