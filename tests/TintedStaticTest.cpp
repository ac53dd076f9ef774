// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QWidget>
#include <cmath>

#include "controls/DialogFont.h"
#include "controls/TintedStatic.h"

namespace tocklet {
namespace {

const QColor kPanel(128, 174, 228);

// A parent painted in the panel colour with one tinted static on it.
struct Scene {
    QWidget parent;
    CTintedStatic* label;

    Scene() : label(new CTintedStatic(&parent)) {
        parent.resize(240, 60);
        parent.setAutoFillBackground(true);
        QPalette colours = parent.palette();
        colours.setColor(QPalette::Window, kPanel);
        parent.setPalette(colours);
        parent.setFont(DialogFont("黑体", 10, 96));
        label->setGeometry(10, 10, 220, 40);
        label->setText(QStringLiteral("-Hi,不知您是否记得,此时-"));
    }

    QImage Render() {
        QImage image(parent.size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        parent.render(&image);
        return image;
    }
};

// True when pixel lies on the way from the background to the text colour, as an
// anti-aliased glyph edge over an unfilled background does.
bool IsBlendOf(QRgb pixel, const QColor& background, const QColor& text) {
    const double red = double(qRed(pixel) - background.red()) / (text.red() - background.red());
    const double green =
        double(qGreen(pixel) - background.green()) / (text.green() - background.green());
    return red >= -0.03 && red <= 1.03 && std::abs(red - green) < 0.06;
}

TEST(TintedStaticTest, DefaultsToBlueTextInTheParentsFont) {
    Scene scene;
    EXPECT_EQ(scene.label->TextColor(), Rgb(0, 0, 238));
    EXPECT_FALSE(scene.label->HasOwnFont());
    EXPECT_EQ(scene.label->palette().color(QPalette::WindowText), QColor(0, 0, 238));
    EXPECT_EQ(scene.label->font(), scene.parent.font());
    EXPECT_FALSE(scene.label->autoFillBackground());
}

TEST(TintedStaticTest, OnlyFlagOneMakesAFont) {
    Scene scene;
    for (int flag : {0, 2, -1}) {
        scene.label->SetFontSpec(flag, 30, 10);
        EXPECT_FALSE(scene.label->HasOwnFont()) << flag;
        EXPECT_EQ(scene.label->font(), scene.parent.font()) << flag;
    }
    scene.label->SetFontSpec(1, -30, 0);
    EXPECT_TRUE(scene.label->HasOwnFont());
    const QFont font = scene.label->font();
    EXPECT_EQ(font.family(), QStringLiteral("news"));  // what was asked for; matching decides
    EXPECT_EQ(font.weight(), QFont::DemiBold);
    EXPECT_FALSE(font.italic());
    EXPECT_FALSE(font.underline());
    EXPECT_EQ(font.pixelSize(), 30);
    // Changing the parent's font later leaves the control's own font alone.
    scene.parent.setFont(DialogFont("宋体", 9, 96));
    EXPECT_EQ(scene.label->font().pixelSize(), 30);
}

TEST(TintedStaticTest, PositiveHeightIsTheLineHeightAndWidthNarrowsTheLetters) {
    Scene scene;
    scene.label->SetFontSpec(1, 30, 0);
    EXPECT_NEAR(QFontMetrics(scene.label->font()).height(), 30, 2);

    scene.label->SetFontSpec(1, -24, 0);
    const int natural = QFontMetrics(scene.label->font()).horizontalAdvance(QStringLiteral("WWWW"));
    const int average = QFontMetrics(scene.label->font()).averageCharWidth();
    scene.label->SetFontSpec(1, -24, average / 2);
    const int narrow = QFontMetrics(scene.label->font()).horizontalAdvance(QStringLiteral("WWWW"));
    EXPECT_LT(narrow, natural * 3 / 4);
}

TEST(TintedStaticTest, NothingIsFilledBehindTheText) {
    Scene scene;
    const QImage image = scene.Render();
    const QColor text(0, 0, 238);
    int inked = 0;
    for (int y = 10; y < 50; ++y) {
        for (int x = 10; x < 230; ++x) {
            const QRgb pixel = image.pixel(x, y);
            ASSERT_TRUE(IsBlendOf(pixel, kPanel, text))
                << x << "," << y << " " << qRed(pixel) << " " << qGreen(pixel) << " "
                << qBlue(pixel);
            if (qRed(pixel) < 40 && qGreen(pixel) < 40) ++inked;
        }
    }
    EXPECT_GT(inked, 20);  // the text is there, in its colour
    // Below the single line of text, the whole width shows the parent.
    for (int x = 10; x < 230; ++x) EXPECT_EQ(QColor(image.pixel(x, 48)), kPanel) << x;
}

TEST(TintedStaticTest, SetTextColorRepaintsInTheNewColour) {
    Scene scene;
    scene.label->SetTextColor(Rgb(255, 0, 0));
    EXPECT_EQ(scene.label->TextColor(), 0x000000FFu);
    const QImage image = scene.Render();
    int red = 0;
    int blue = 0;
    for (int y = 10; y < 50; ++y)
        for (int x = 10; x < 230; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qRed(pixel) > 220 && qGreen(pixel) < 60 && qBlue(pixel) < 80) ++red;
            if (qRed(pixel) < 40 && qGreen(pixel) < 40 && qBlue(pixel) > 200) ++blue;
        }
    EXPECT_GT(red, 20);
    EXPECT_EQ(blue, 0);
}

}  // namespace
}  // namespace tocklet
