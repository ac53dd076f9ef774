// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The builder's handling of every control kind, beyond what the program's own templates use.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>

#include "controls/DialogBuilder.h"
#include "controls/DialogFont.h"
#include "controls/UpDownButtons.h"
#include "resources/ImageIds.h"

namespace tocklet {
namespace {

// Every kind, as dialogs still to come will use them.
TEST(DialogBuilderTest, EveryKindBuilds) {
    using K = ControlKind;
    using S = ControlStyle;
    const DialogTemplate sample{
        .id = 9999,
        .rect = {0, 0, 200, 200},
        .fontFace = "宋体",
        .fontPointSize = 10,
        .caption = "样例",
        .style = DialogStyle::kCaption | DialogStyle::kSystemModal,
        .menuId = 0,
        .controls = {
            ControlRow(1, K::RadioButton, "甲", {0, 0, 40, 10}),
            ControlRow(2, K::RadioButton, "乙", {0, 10, 40, 10}),
            ControlRow(3, K::RadioButton, "丙", {0, 20, 40, 10}).Styled(S::kStartsGroup),
            ControlRow(4, K::CheckBox, "丁", {0, 30, 40, 10}),
            ControlRow(5, K::RadioButton, "戊", {0, 40, 40, 10}),
            ControlRow(6, K::Edit, "", {50, 0, 40, 14}).Styled(S::kDigitsOnly),
            ControlRow(7, K::Edit, "", {50, 20, 40, 14}).Styled(S::kPassword),
            ControlRow(8, K::ComboBox, "", {50, 40, 40, 80}).Styled(S::kEditableCombo),
            ControlRow(9, K::ListBox, "", {100, 0, 60, 40}),
            ControlRow(10, K::SpinButton, "", {90, 0, 9, 14}),
            ControlRow(11, K::ProgressBar, "", {100, 50, 80, 8}),
            ControlRow(12, K::IconImage, "", {100, 60, 20, 20}).Resource(kTrayIconWorking),
            ControlRow(13, K::PushButton, "...", {100, 90, 31, 19}).Resource(kBrowseButtonBitmap),
            ControlRow(14, K::PushButton, "立即关闭[&R]", {140, 90, 50, 14}).Styled(S::kDisabled),
            ControlRow(15, K::TextRight, "A&&B", {0, 60, 40, 8}),
            ControlRow(kNoControlId, K::Frame, "", {0, 100, 90, 40}),
            ControlRow(kNoControlId, K::GroupBox, "选择[&S]", {0, 145, 90, 40}),
            ControlRow(kNoControlId, K::TextLeft, "时间[&T]:", {100, 150, 40, 8}),
            ControlRow(16, K::ProgressBar, "", {100, 160, 20, 8}),
            ControlRow(17, K::Edit, "", {140, 150, 40, 14}),
            ControlRow(kNoControlId, K::TextLeft, "末尾[&Z]", {100, 180, 40, 8}),
        }};
    QDialog dialog;
    BuildDialog(sample, &dialog);
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);

    EXPECT_EQ(RadioGroupOf(&dialog, 1), RadioGroupOf(&dialog, 2));
    EXPECT_NE(RadioGroupOf(&dialog, 2), RadioGroupOf(&dialog, 3));  // starts its own group
    EXPECT_NE(RadioGroupOf(&dialog, 3), RadioGroupOf(&dialog, 5));  // the check box parts them
    ControlAs<QRadioButton>(&dialog, 2)->click();
    ControlAs<QRadioButton>(&dialog, 3)->click();
    EXPECT_TRUE(ControlAs<QRadioButton>(&dialog, 2)->isChecked());

    const QValidator* digits = ControlAs<QLineEdit>(&dialog, 6)->validator();
    ASSERT_NE(digits, nullptr);
    QString text = QStringLiteral("12a");
    int pos = 0;
    EXPECT_EQ(digits->validate(text, pos), QValidator::Invalid);
    text = QStringLiteral("0123");
    EXPECT_EQ(digits->validate(text, pos), QValidator::Acceptable);
    EXPECT_EQ(ControlAs<QLineEdit>(&dialog, 7)->echoMode(), QLineEdit::Password);

    auto* combo = ControlAs<QComboBox>(&dialog, 8);
    ASSERT_NE(combo, nullptr);
    EXPECT_TRUE(combo->isEditable());
    EXPECT_LT(combo->height(), MulDiv(80, MeasureBaseUnits(dialog.font()).y, 8));
    EXPECT_EQ(ControlAs<QListWidget>(&dialog, 9)->verticalScrollBarPolicy(),
              Qt::ScrollBarAlwaysOff);
    EXPECT_NE(ControlAs<UpDownButtons>(&dialog, 10), nullptr);
    EXPECT_FALSE(ControlAs<QProgressBar>(&dialog, 11)->isTextVisible());
    EXPECT_FALSE(ControlAs<QLabel>(&dialog, 12)->pixmap().isNull());

    auto* browse = ControlAs<QPushButton>(&dialog, 13);
    EXPECT_TRUE(browse->text().isEmpty());  // the picture replaces the text
    EXPECT_FALSE(browse->icon().isNull());
    EXPECT_EQ(browse->accessibleName(), QStringLiteral("..."));

    auto* now = ControlAs<QPushButton>(&dialog, 14);
    EXPECT_FALSE(now->isEnabled());
    EXPECT_EQ(now->text(), QStringLiteral("立即关闭[&R]"));
    EXPECT_EQ(now->accessibleName(), QStringLiteral("立即关闭[R]"));
    EXPECT_EQ(ControlAs<QLabel>(&dialog, 15)->text(), QStringLiteral("A&B"));
    EXPECT_EQ(ControlAs<QLabel>(&dialog, 15)->alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
    EXPECT_EQ(ControlAs<QLabel>(&dialog, 15)->buddy(), nullptr);

    QLabel* time = nullptr;
    QLabel* last = nullptr;
    QGroupBox* choose = nullptr;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        const QString heard = QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
        if (heard == QStringLiteral("时间[T]:")) time = label;
        if (heard == QStringLiteral("末尾[Z]")) last = label;
    }
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>()) choose = group;
    ASSERT_NE(time, nullptr);
    ASSERT_NE(last, nullptr);
    ASSERT_NE(choose, nullptr);
    // A text's mnemonic leads to the next control that takes the focus (the edit, not the bar).
    EXPECT_EQ(time->text(), QStringLiteral("时间[&T]:"));
    EXPECT_EQ(time->buddy(), ControlById(&dialog, 17));
    // With nothing after it to lead to, the marker is not shown.
    EXPECT_EQ(last->text(), QStringLiteral("末尾[Z]"));
    EXPECT_EQ(last->buddy(), nullptr);
    EXPECT_EQ(choose->title(), QStringLiteral("选择[&S]"));
    EXPECT_EQ(choose->accessibleName(), QStringLiteral("选择[S]"));
}

TEST(DialogBuilderTest, StripMnemonic) {
    EXPECT_EQ(StripMnemonic(QStringLiteral("删除[&D]")), QStringLiteral("删除[D]"));
    EXPECT_EQ(StripMnemonic(QStringLiteral("A&&B")), QStringLiteral("A&B"));
    EXPECT_EQ(StripMnemonic(QStringLiteral("end&")), QStringLiteral("end&"));
    EXPECT_EQ(StripMnemonic(QString()), QString());
}

}  // namespace
}  // namespace tocklet
