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
#include "protection/ui/ChangePasswordDlg.h"
#include "store/Text.h"

namespace tocklet {
namespace {

using testing::Click;
using testing::FakeMessageBoxes;
using testing::Type;

class ChangePasswordTest : public ::testing::Test {
protected:
    void Open(const std::string& current) {
        dlg.OnInitDialog(current);
        dlg.show();
    }
    void Fill(const QString& old, const QString& fresh, const QString& confirm) {
        Type(ControlAs<QLineEdit>(&dlg, kChangeOldId), old);
        Type(ControlAs<QLineEdit>(&dlg, kChangeNewId), fresh);
        Type(ControlAs<QLineEdit>(&dlg, kChangeConfirmId), confirm);
    }

    FakeMessageBoxes boxes;
    CChangePasswordDlg dlg{boxes};
};

TEST_F(ChangePasswordTest, RightOldPasswordAndConfirmedNewOneChange) {
    EXPECT_EQ(dlg.windowTitle(), "更新密码");
    for (int id : {kChangeOldId, kChangeNewId, kChangeConfirmId}) {
        EXPECT_EQ(ControlAs<QLineEdit>(&dlg, id)->echoMode(), QLineEdit::Password);
    }
    Open("old");
    Fill("old", "新口令", "新口令");
    Click(&dlg, kChangeOkId);
    EXPECT_TRUE(dlg.NewPassword());
    EXPECT_EQ(dlg.NewPassword(), Gb("新口令"));
    EXPECT_EQ(dlg.result(), kIdOk);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ChangePasswordTest, WrongOldOrUnconfirmedNewIsRefusedWithOneMessage) {
    const std::string message = Gb(" 输入不正确，请你注意字母的大小写 ");
    Open("old");
    Fill("Old", "new", "new");
    Click(&dlg, kChangeOkId);
    Open("old");
    Fill("oldx", "new", "new");
    Click(&dlg, kChangeOkId);
    Open("old");
    Fill("old", "new", "neW");
    Click(&dlg, kChangeOkId);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>(3, message));
    EXPECT_FALSE(dlg.NewPassword());
    EXPECT_TRUE(dlg.isVisible());
    for (int id : {kChangeOldId, kChangeNewId, kChangeConfirmId}) {
        ControlAs<QLineEdit>(&dlg, id)->clear();
    }
    Fill("old", "new", "new");  // the current password is still the one handed in
    Click(&dlg, kChangeOkId);
    EXPECT_EQ(dlg.NewPassword(), "new");
}

TEST_F(ChangePasswordTest, CancelEnterAndEscapeChangeNothing) {
    Open("old");
    Fill("old", "new", "new");
    Click(&dlg, kChangeCancelId);
    EXPECT_EQ(dlg.result(), kIdCancel);
    EXPECT_FALSE(dlg.NewPassword());

    Open("old");
    EXPECT_TRUE(ControlAs<QLineEdit>(&dlg, kChangeOldId)->text().isEmpty());
    EXPECT_TRUE(ControlAs<QLineEdit>(&dlg, kChangeNewId)->text().isEmpty());
    Fill("old", "new", "new");
    QTest::keyClick(ControlAs<QLineEdit>(&dlg, kChangeConfirmId), Qt::Key_Return);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_FALSE(dlg.NewPassword());
    Open("old");  // the password handed in is still the one that allows a change
    Fill("old", "n2", "n2");
    Click(&dlg, kChangeOkId);
    EXPECT_EQ(dlg.NewPassword(), "n2");

    Open("old");
    QTest::keyClick(&dlg, Qt::Key_Escape);
    EXPECT_EQ(dlg.result(), kIdCancel);
    EXPECT_FALSE(dlg.NewPassword());
}

TEST_F(ChangePasswordTest, EnterPressesOnlyTheFocusedButton) {
    Open("old");
    for (QPushButton* button : dlg.findChildren<QPushButton*>()) {
        EXPECT_FALSE(button->isDefault());
    }
    Fill("old", "new", "new");
    auto* ok = ControlAs<QPushButton>(&dlg, kChangeOkId);
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Return);
    EXPECT_TRUE(dlg.NewPassword());
    EXPECT_EQ(dlg.NewPassword(), "new");

    Open("new");
    auto* cancel = ControlAs<QPushButton>(&dlg, kChangeCancelId);
    cancel->setFocus();
    QTest::keyClick(cancel, Qt::Key_Enter);
    EXPECT_EQ(dlg.result(), kIdCancel);
    EXPECT_FALSE(dlg.NewPassword());
}

}  // namespace
}  // namespace tocklet
