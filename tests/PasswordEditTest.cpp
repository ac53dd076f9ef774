// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "PasswordTestSupport.h"
#include "controls/DialogBuilder.h"
#include "fakes/FakeMessageBoxes.h"
#include "platform/QtText.h"
#include "protection/ui/PasswordPromptDlg.h"
#include "store/Text.h"

namespace tocklet {
namespace {

using testing::FakeMessageBoxes;
using testing::Type;

class PasswordEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        prompt.OnInitDialog("");
        prompt.show();
    }
    std::string Input() { return ToGb(edit()->text()); }
    QLineEdit* edit() { return ControlAs<QLineEdit>(&prompt, kPromptEditId); }

    FakeMessageBoxes boxes;
    CPasswordPromptDlg prompt{boxes};
};

TEST_F(PasswordEditTest, TenBytesWithoutCuttingACharacter) {
    Type(edit(), "123456789");
    Type(edit(), "中");  // two bytes do not fit after nine
    EXPECT_EQ(edit()->text(), "123456789");
    Type(edit(), "0x");
    EXPECT_EQ(edit()->text(), "1234567890");
    EXPECT_EQ(Input(), "1234567890");

    edit()->clear();
    Type(edit(), "中文中文中文");
    EXPECT_EQ(edit()->text(), "中文中文中");
    EXPECT_EQ(Input(), Gb("中文中文中"));
    EXPECT_EQ(Input().size(), 10u);

    // A paste keeps what fits of itself, whole characters only, and the text around it.
    edit()->clear();
    Type(edit(), "abcdefgh");
    edit()->setCursorPosition(4);
    edit()->insert("中文xyz");
    EXPECT_EQ(edit()->text(), "abcd中efgh");
    EXPECT_EQ(edit()->cursorPosition(), 5);
    EXPECT_EQ(Input().size(), 10u);
}

TEST_F(PasswordEditTest, CharactersWithoutACodePage936FormAreRefused) {
    Type(edit(), "a가b");
    EXPECT_EQ(edit()->text(), "ab");
    edit()->insert(QString::fromUtf8("\xF0\x9F\x98\x80") + "c");
    EXPECT_EQ(edit()->text(), "abc");
    EXPECT_EQ(Input(), "abc");
}

}  // namespace
}  // namespace tocklet
