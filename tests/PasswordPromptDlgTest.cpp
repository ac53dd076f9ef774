// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "PasswordTestSupport.h"
#include "controls/DialogBuilder.h"
#include "fakes/FakeMessageBoxes.h"
#include "platform/QtText.h"
#include "protection/ui/PasswordGate.h"
#include "protection/ui/PasswordPromptDlg.h"
#include "settings/PanelSettings.h"
#include "store/Text.h"

namespace tocklet {
namespace {

using testing::Click;
using testing::FakeMessageBoxes;
using testing::PromptDriver;
using testing::Type;

const std::string kRefused = Gb("   密码错误,你无权进行此项操作 !  ");

class PromptTest : public ::testing::Test {
protected:
    void Open(const std::string& password) {
        prompt.OnInitDialog(password);
        prompt.show();
    }
    void Submit(const QString& text) {
        edit()->clear();
        Type(edit(), text);
        Click(&prompt, kPromptSubmitId);
    }
    QLineEdit* edit() { return ControlAs<QLineEdit>(&prompt, kPromptEditId); }

    FakeMessageBoxes boxes;
    CPasswordPromptDlg prompt{boxes};
};

TEST_F(PromptTest, CaptionlessOverItsPictureWithMaskedEdit) {
    EXPECT_TRUE(prompt.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(prompt.windowTitle(), QString());
    EXPECT_EQ(edit()->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(ControlAs<QPushButton>(&prompt, kPromptSubmitId)->isDefault());
    EXPECT_EQ(ControlAs<QPushButton>(&prompt, kPromptGiveUpId)->text(), "算了吧[&E]");
    const QLabel* picture = nullptr;
    for (const QLabel* label : prompt.findChildren<QLabel*>()) {
        if (!label->pixmap().isNull()) picture = label;
    }
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->geometry(), prompt.rect());
    EXPECT_TRUE(picture->hasScaledContents());
}

TEST_F(PromptTest, RightPasswordIsAcceptedAtOnce) {
    Open("secret");
    Submit("secret");
    EXPECT_TRUE(prompt.Passed());
    EXPECT_EQ(prompt.result(), kIdOk);
    EXPECT_FALSE(prompt.isVisible());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(PromptTest, WrongAndPrefixExtendedPasswordsAreRefusedAndTheThirdCloses) {
    Open("secret");
    Submit("wrong");
    EXPECT_FALSE(prompt.Passed());
    EXPECT_TRUE(prompt.isVisible());
    Submit("secretXYZ");
    EXPECT_FALSE(prompt.Passed());
    EXPECT_TRUE(prompt.isVisible());
    Submit("Secret");
    EXPECT_FALSE(prompt.Passed());
    EXPECT_FALSE(prompt.isVisible());
    EXPECT_EQ(prompt.result(), kIdCancel);
    ASSERT_EQ(boxes.shown.size(), 3u);
    for (const auto& box : boxes.shown) {
        EXPECT_EQ(box.text, kRefused);
        EXPECT_EQ(box.caption, kAppCaption);
    }
}

TEST_F(PromptTest, RightPasswordOnTheThirdSubmissionPasses) {
    Open("secret");
    Submit("secre");
    Submit("");
    Submit("secret");
    EXPECT_TRUE(prompt.Passed());
    EXPECT_EQ(prompt.result(), kIdOk);
    EXPECT_EQ(boxes.shown.size(), 2u);
}

TEST_F(PromptTest, NoStoredPasswordAcceptsAnyInputAndTheEmptyOne) {
    Open("");
    Submit("");
    EXPECT_TRUE(prompt.Passed());
    Open("");
    Submit("whatever");
    EXPECT_TRUE(prompt.Passed());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(PromptTest, EnterSubmitsAndGivingUpKeepsTheOutcome) {
    Open("pw");
    Type(edit(), "pw");
    QTest::keyClick(edit(), Qt::Key_Return);
    EXPECT_TRUE(prompt.Passed());

    Open("pw");
    Type(edit(), "no");
    Click(&prompt, kPromptGiveUpId);
    EXPECT_FALSE(prompt.Passed());
    EXPECT_EQ(prompt.result(), kIdCancel);
    EXPECT_TRUE(boxes.shown.empty());

    Open("pw");
    QTest::keyClick(&prompt, Qt::Key_Escape);
    EXPECT_FALSE(prompt.isVisible());
    EXPECT_EQ(prompt.result(), kIdCancel);
}

TEST_F(PromptTest, EachOpeningStartsAfresh) {
    Open("pw");
    Submit("pw");
    ASSERT_TRUE(prompt.Passed());
    Open("pw");
    EXPECT_FALSE(prompt.Passed());
    EXPECT_TRUE(edit()->text().isEmpty());
    EXPECT_TRUE(ToGb(edit()->text()).empty());
    Submit("x");  // the first of three submissions again
    Submit("y");
    EXPECT_TRUE(prompt.isVisible());
}

}  // namespace
}  // namespace tocklet
