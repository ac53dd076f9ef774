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
#include "platform/Text.h"
#include "protection/ChangePasswordDlg.h"
#include "protection/FirstPasswordDlg.h"
#include "protection/PasswordPromptDlg.h"
#include "resources/Templates.h"
#include "settings/SettingsTable.h"

namespace tocklet {
namespace {

using testing::Click;
using testing::FakeMessageBoxes;
using testing::FakeProfile;
using testing::FakeRegistry;
using testing::Type;

// The limits of a password edit, seen through the prompt's edit.
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

TEST(PasswordTemplatesTest, ControlsInsideTheirDialogs) {
    for (int id :
         {kFirstPasswordTemplateId, kChangePasswordTemplateId, kPasswordPromptTemplateId}) {
        const DialogTemplate* dialog = FindTemplate(id);
        ASSERT_NE(dialog, nullptr);
        for (const ControlTemplate& control : dialog->controls) {
            EXPECT_LE(control.rect.x + control.rect.width, dialog->rect.width) << id;
            EXPECT_LE(control.rect.y + control.rect.height, dialog->rect.height) << id;
            if (control.kind == ControlKind::Edit) {
                EXPECT_TRUE(control.style & ControlStyle::kPassword) << id;
            }
        }
    }
    EXPECT_FALSE(PasswordPromptTemplate().style & DialogStyle::kCaption);
    for (const ControlTemplate& control : ChangePasswordTemplate().controls) {
        EXPECT_NE(control.kind, ControlKind::DefPushButton);
    }
}

}  // namespace
}  // namespace tocklet
