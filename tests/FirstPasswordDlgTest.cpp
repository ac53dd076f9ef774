// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "PasswordTestSupport.h"
#include "controls/DialogBuilder.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakeProfile.h"
#include "fakes/FakeRegistry.h"
#include "platform/QtText.h"
#include "protection/ui/ChangePasswordDlg.h"
#include "protection/ui/FirstPasswordDlg.h"
#include "protection/ui/PasswordPromptDlg.h"
#include "resources/Templates.h"
#include "settings/SettingsTable.h"
#include "store/Text.h"

namespace tocklet {
namespace {

using testing::Click;
using testing::FakeMessageBoxes;
using testing::FakeProfile;
using testing::FakeRegistry;
using testing::Type;

// The limits of a password edit, seen through the prompt's edit.

class FirstPasswordTest : public ::testing::Test {
protected:
    void SetUp() override {
        reg.AddKey(kCurrentVersionKeyRead);
        dlg.show();
    }
    void Fill(const QString& password, const QString& confirm) {
        Type(ControlAs<QLineEdit>(&dlg, kFirstPasswordId), password);
        Type(ControlAs<QLineEdit>(&dlg, kFirstConfirmId), confirm);
    }
    void ExpectClockDefaults() {
        ASSERT_EQ(profile.writes.size(), 2u);
        EXPECT_EQ(profile.writes[0].key, "color");
        EXPECT_EQ(profile.writes[0].value, "2");
        EXPECT_EQ(profile.writes[1].key, "clock");
        EXPECT_EQ(profile.writes[1].value, "1");
        EXPECT_EQ(profile.writes[1].section, "option");
    }

    FakeRegistry reg;
    FakeProfile profile;
    FakeMessageBoxes boxes;
    CFirstPasswordDlg dlg{reg, profile, boxes};
};

TEST_F(FirstPasswordTest, WindowAndMaskedEdits) {
    EXPECT_EQ(dlg.windowTitle(), "第一次使用");
    EXPECT_EQ(ControlAs<QLineEdit>(&dlg, kFirstPasswordId)->echoMode(), QLineEdit::Password);
    EXPECT_EQ(ControlAs<QLineEdit>(&dlg, kFirstConfirmId)->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(ControlAs<QPushButton>(&dlg, kFirstOkId)->isDefault());
}

TEST_F(FirstPasswordTest, MatchingTextsStoreThePasswordAndTheClockDefaults) {
    Fill("abc", "abc");
    Click(&dlg, kFirstOkId);
    EXPECT_EQ(*reg.Get(kCurrentVersionKeyRead, "pass"), std::string("abc\0\0\0\0\0\0\0", 10));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, Gb("  请 您 记 住 您 的 密 码"));
    EXPECT_EQ(boxes.shown[0].caption, Gb("守时鸟向您提示"));
    EXPECT_EQ(dlg.StoredPassword(), "abc");
    EXPECT_EQ(dlg.result(), kIdOk);
    EXPECT_FALSE(dlg.isVisible());
    ExpectClockDefaults();
}

TEST_F(FirstPasswordTest, EnterConfirmsAndEmptyTextsStoreAnEmptyPassword) {
    QTest::keyClick(ControlAs<QLineEdit>(&dlg, kFirstConfirmId), Qt::Key_Return);
    EXPECT_EQ(*reg.Get(kCurrentVersionKeyRead, "pass"), std::string(10, '\0'));
    EXPECT_EQ(dlg.result(), kIdOk);
}

TEST_F(FirstPasswordTest, DifferingTextsStoreNothingButStillWriteTheClockDefaults) {
    Fill("abc", "abd");
    Click(&dlg, kFirstOkId);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>({Gb("  数 据 不 符 合 ")}));
    EXPECT_EQ(boxes.shown[0].caption, kAppCaption);
    EXPECT_TRUE(reg.writes.empty());
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_FALSE(dlg.StoredPassword());
    ExpectClockDefaults();
}

TEST_F(FirstPasswordTest, FailedStoreKeepsTheDialogOpen) {
    reg.FailSet(kCurrentVersionKeyWrite, "pass");
    Fill("abc", "abc");
    Click(&dlg, kFirstOkId);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>({Gb(" 发 生 错 误，请 重 新 确认")}));
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_FALSE(dlg.StoredPassword());
    ExpectClockDefaults();
}

TEST_F(FirstPasswordTest, KeyThatCannotBeOpenedIsToldBeforeTheFailedStore) {
    reg.FailOpenForWrite(kCurrentVersionKeyWrite);
    Fill("abc", "abc");
    Click(&dlg, kFirstOkId);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, Gb("  保存数据失败!  "));
    EXPECT_EQ(boxes.shown[0].caption, Gb("  守时鸟提示您"));
    EXPECT_EQ(boxes.shown[1].text, Gb(" 发 生 错 误，请 重 新 确认"));
    EXPECT_EQ(boxes.shown[1].caption, kAppCaption);
    EXPECT_TRUE(reg.writes.empty());
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(reg.OpenHandles(), 0u);
}

TEST_F(FirstPasswordTest, EscapeStoresNothing) {
    Fill("abc", "abc");
    QTest::keyClick(&dlg, Qt::Key_Escape);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), kIdCancel);
    EXPECT_TRUE(reg.writes.empty());
    EXPECT_TRUE(profile.writes.empty());
    EXPECT_TRUE(boxes.shown.empty());
}

}  // namespace
}  // namespace tocklet
