// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "controls/TintedStatic.h"

#include <QFontMetrics>
#include <algorithm>
#include <cstdlib>

#include "controls/QtColour.h"

namespace tocklet {

namespace {

constexpr int kFontSpecCreate = 1;

// Pixel size whose line height (ascent plus descent) comes closest to cellHeight.
int PixelSizeForCellHeight(QFont font, int cellHeight) {
    constexpr int kProbe = 100;
    font.setPixelSize(kProbe);
    const int probeHeight = QFontMetrics(font).height();
    if (probeHeight <= 0) return cellHeight;
    return std::max(1, (cellHeight * kProbe + probeHeight / 2) / probeHeight);
}

}  // namespace

CTintedStatic::CTintedStatic(QWidget* parent) : QLabel(parent) {
    // Nothing is filled behind the text, so the parent's background shows through.
    setAutoFillBackground(false);
    ApplyColour();
}

void CTintedStatic::SetTextColor(COLORREF colour) {
    m_clrText = colour;
    ApplyColour();
}

void CTintedStatic::SetFontSpec(int flag, int height, int width) {
    if (flag != kFontSpecCreate) return;
    QFont font(QStringLiteral("news"));
    font.setWeight(QFont::DemiBold);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    if (height < 0) {
        font.setPixelSize(-height);
    } else if (height > 0) {
        font.setPixelSize(PixelSizeForCellHeight(font, height));
    } else {
        font.setPixelSize(QFontInfo(this->font()).pixelSize());
    }
    if (width != 0) {
        const int natural = QFontMetrics(font).averageCharWidth();
        if (natural > 0) font.setStretch(std::clamp(std::abs(width) * 100 / natural, 1, 4000));
    }
    m_font = font;
    setFont(font);
}

void CTintedStatic::ApplyColour() {
    QPalette colours = palette();
    const QColor text = ToQColor(m_clrText);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        colours.setColor(group, QPalette::WindowText, text);
    setPalette(colours);
    update();
}

}  // namespace tocklet
