// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTest>

#include "TypeText.h"
#include "controls/GbLimitValidator.h"
#include "controls/SpinField.h"
#include "controls/UpDownButtons.h"
#include "platform/QtText.h"

// Texts in failure messages as text, not as code units.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace tocklet {
namespace {

using testing::Type;
using testing::U;

// A number edit that takes digits only, as the dialog builds it, with its arrows.
class SpinFieldTest : public ::testing::Test {
protected:
    void SetUp() override {
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
        arrows->setGeometry(0, 0, 12, 24);
        host.show();
        spin.SetPosition(10);
    }
    void Retype(const QString& text) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        Type(edit, text);
    }

    QWidget host;
    QLineEdit* edit = new QLineEdit(&host);
    UpDownButtons* arrows = new UpDownButtons(&host);
    SpinField spin{edit, arrows, SpinRange{0, 23}, &host};
};

TEST_F(SpinFieldTest, ArrowsAndKeysStepAndWrap) {
    EXPECT_EQ(edit->text(), "10");
    spin.SetPosition(23);
    QTest::mouseClick(arrows->UpButton(), Qt::LeftButton);
    EXPECT_EQ(edit->text(), "0");
    QTest::mouseClick(arrows->DownButton(), Qt::LeftButton);
    EXPECT_EQ(edit->text(), "23");
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(edit->text(), "0");
    EXPECT_EQ(spin.ReadPosition(), 0);
    QTest::keyClick(edit, Qt::Key_Down);
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(edit->text(), "22");
}

TEST_F(SpinFieldTest, TypedTextCountsOnlyWhenItIsAPosition) {
    Retype("7");
    EXPECT_EQ(spin.ReadPosition(), 7);
    Retype("24");  // beyond the range: the last valid position stays
    EXPECT_EQ(edit->text(), "24");
    EXPECT_EQ(spin.ReadPosition(), 7);
    Retype("");
    EXPECT_EQ(spin.ReadPosition(), 7);
    QTest::keyClick(edit, Qt::Key_Up);  // steps from the last valid position
    EXPECT_EQ(edit->text(), "8");
    Retype("09");  // leading zeros are read, and written back without them
    QTest::mouseClick(arrows->UpButton(), Qt::LeftButton);
    EXPECT_EQ(edit->text(), "10");
}

// The reminder edit's limit: 66 bytes of code page 936.
class GbLimitTest : public ::testing::Test {
protected:
    void SetUp() override {
        edit.setValidator(new GbLimitValidator(66, GbLimitValidator::Euro::kRefuse,
                                               GbLimitValidator::Breach::kRefuseChange, &edit));
        edit.show();
        edit.setFocus();
    }
    std::size_t Bytes() { return TryToGb(edit.text())->size(); }

    QLineEdit edit;
};

TEST_F(GbLimitTest, KeystrokesBeyondTheLimitAreRefusedAndNoCharacterIsCut) {
    const QString full = QString(U("会")).repeated(33);  // 66 bytes
    Type(&edit, full);
    EXPECT_EQ(edit.text(), full);
    Type(&edit, U("会"));
    Type(&edit, "a");
    EXPECT_EQ(edit.text(), full);

    // 65 bytes: one more single byte fits, a two-byte character is refused whole.
    edit.clear();
    Type(&edit, "a" + QString(U("会")).repeated(32));
    Type(&edit, U("开"));
    EXPECT_EQ(Bytes(), 65u);
    Type(&edit, "b");
    EXPECT_EQ(Bytes(), 66u);
}

TEST_F(GbLimitTest, CharactersOutsideTheCodePageAndOverlongPastesAreRefused) {
    Type(&edit, "ok");
    Type(&edit, U("😀"));
    EXPECT_EQ(edit.text(), "ok");
    QApplication::clipboard()->setText(U("ab😀"));
    edit.paste();
    EXPECT_EQ(edit.text(), "ok");
    QApplication::clipboard()->setText(QString("x").repeated(65));
    edit.paste();
    EXPECT_EQ(edit.text(), "ok");
    QApplication::clipboard()->setText(QString("x").repeated(64));
    edit.paste();
    EXPECT_EQ(Bytes(), 66u);
    // Two-byte characters outside GB2312 are kept; the euro sign, a lone byte 0x80 that the
    // program would read as the start of a two-byte character, is not.
    edit.clear();
    Type(&edit, U("镕€"));
    EXPECT_EQ(edit.text(), U("镕"));
}

}  // namespace
}  // namespace tocklet
