// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "controls/CircleButton.h"

#include <QPainter>
#include <QRegion>

#include "controls/QtColour.h"

namespace tocklet {
namespace {

constexpr COLORREF kBlack = Rgb(0, 0, 0);

class PainterPixels final : public PixelTarget {
public:
    explicit PainterPixels(QPainter& painter) : painter_(painter) {}
    void SetPixel(int x, int y, COLORREF colour) override {
        painter_.setPen(ToQColor(colour));
        painter_.drawPoint(x, y);
    }

private:
    QPainter& painter_;
};

}  // namespace

CCircleButton::CCircleButton(QWidget* parent) : QPushButton(parent) {}

void CCircleButton::Attach() {
    const CircleLayout layout = CircleLayoutFor(width(), height());
    m_nCentreX = layout.centreX;
    m_nCentreY = layout.centreY;
    m_nRadius = layout.radius;
    // resize() keeps the top-left corner; the mask makes corners outside the circle belong to
    // the parent, for drawing and for the mouse.
    resize(layout.side, layout.side);
    setMask(QRegion(0, 0, layout.side, layout.side, QRegion::Ellipse));
    update();
}

ThreeDColours CCircleButton::ColoursOf(const QPalette& palette) {
    ThreeDColours c;
    c.face = ToColorRef(palette.color(QPalette::Button));
    c.shadow = ToColorRef(palette.color(QPalette::Dark));
    c.highlight = ToColorRef(palette.color(QPalette::Light));
    c.darkShadow = ToColorRef(palette.color(QPalette::Shadow));
    c.light = ToColorRef(palette.color(QPalette::Midlight));
    return c;
}

bool CCircleButton::hitButton(const QPoint& pos) const {
    return mask().isEmpty() ? QPushButton::hitButton(pos) : mask().contains(pos);
}

void CCircleButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const ThreeDColours colours = ColoursOf(palette());
    painter.fillRect(rect(), ToQColor(colours.face));

    RoundButtonState state;
    state.focused = hasFocus() && m_bFocusRing;
    state.pressed = isDown();
    state.flat = isFlat();
    PainterPixels pixels(painter);
    const CircleLayout layout{width(), m_nCentreX, m_nCentreY, m_nRadius};
    const RoundButtonRings rings = PlotRoundButtonRims(pixels, layout, state, colours);

    const QString caption = text();
    if (!caption.isEmpty()) {
        const int c = rings.textClip;
        painter.save();
        painter.setClipRegion(
            QRegion(m_nCentreX - c, m_nCentreY - c, 2 * c, 2 * c, QRegion::Ellipse));
        const QFontMetrics metrics(font());
        const int shift = state.pressed ? 1 : 0;
        const bool enabled = isEnabled();
        // Enabled text is drawn as it is written; disabled text is embossed with "&" marking
        // its mnemonic, as the system draws disabled captions.
        const int flags = Qt::TextSingleLine | (enabled ? 0 : Qt::TextShowMnemonic);
        const QSize size = metrics.size(flags, caption);
        const QRect box(m_nCentreX - size.width() / 2 + shift,
                        m_nCentreY - size.height() / 2 + shift, size.width(), size.height());
        if (enabled) {
            painter.setPen(palette().color(QPalette::Active, QPalette::ButtonText));
            painter.drawText(box, flags, caption);
        } else {
            painter.setPen(ToQColor(colours.highlight));
            painter.drawText(box.translated(1, 1), flags, caption);
            painter.setPen(ToQColor(colours.shadow));
            painter.drawText(box, flags, caption);
        }
        painter.restore();
    }
    if (rings.focusDash >= 0) {
        PlotCircle(pixels, m_nCentreX, m_nCentreY, rings.focusDash, kBlack, true);
    }
}

}  // namespace tocklet
