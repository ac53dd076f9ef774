// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "clock/ui/GlyphClock.h"

#include <QPainter>
#include <QResizeEvent>

#include "controls/AccessibleRole.h"
#include "controls/QtColour.h"
#include "platform/Clock.h"
#include "platform/Timers.h"
#include "resources/ImageIds.h"
#include "resources/Images.h"

namespace tocklet {
namespace {

constexpr QRgb kPureRed = 0xFFFF0000u;

// The glyph with its pure red pixels in colour; black, dark red and all else as they are.
QImage Recoloured(QImage glyph, COLORREF colour) {
    glyph = glyph.convertToFormat(QImage::Format_RGB32);
    const QRgb lit = ToQColor(colour).rgb();
    for (int y = 0; y < glyph.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(glyph.scanLine(y));
        for (int x = 0; x < glyph.width(); ++x)
            if (row[x] == kPureRed) row[x] = lit;
    }
    return glyph;
}

}  // namespace

CGlyphClock::CGlyphClock(const Clock& clock, Timers& timers, QWidget* parent)
    : QFrame(parent), clock_(clock), timers_(timers) {
    LoadGlyphs(false);
    m_szGlyph = m_hGlyphs[0].size();
    timers_.SetHandler([this](int id, const TickSeconds& seconds) { OnTimer(id, seconds); });
    timers_.Set(kFaceTimerId, kFaceTimerMs);
    m_nTimerId = kFaceTimerId;
    // A screen reader hears the time the face shows, read when it looks.
    SetAccessibleRole(this, QAccessible::StaticText, [this] { return m_strShown; });
}

CGlyphClock::~CGlyphClock() {
    timers_.Kill(m_nTimerId);
    timers_.SetHandler({});
}

void CGlyphClock::LoadGlyphs(bool recolour) {
    for (int i = 0; i < kGlyphCount; ++i) {
        QImage glyph = Bitmap(kFirstGlyphBitmap + i).toImage();
        m_hGlyphs[static_cast<std::size_t>(i)] = recolour
                                                     ? Recoloured(std::move(glyph), m_clrDigits)
                                                     : glyph.convertToFormat(QImage::Format_RGB32);
    }
}

COLORREF CGlyphClock::SetDigitColor(COLORREF colour) {
    if (colour == m_clrDigits) return colour;
    const COLORREF old = m_clrDigits;
    m_clrDigits = colour;
    LoadGlyphs(true);
    return old;
}

const QImage& CGlyphClock::Glyph(int index) const {
    return m_hGlyphs.at(static_cast<std::size_t>(index));
}

void CGlyphClock::OnTimer(int id, const TickSeconds& seconds) {
    if (id != m_nTimerId) return;
    if (surface_.size() != contentsRect().size()) EraseBackground();
    const FaceCellSize cells = CellSizeOf(contentsRect().width(), contentsRect().height());
    m_nCellWidth = cells.width;
    m_nCellHeight = cells.height;
    // The second the tick stands for: the last one it covers.
    const TimePoint now =
        seconds.count > 0 ? FromEpochSeconds(seconds.At(seconds.count - 1)) : clock_.Now();
    const std::tm local = clock_.LocalTime(now);
    for (const CellGlyph& draw : FaceGlyphs(local)) DrawCell(draw.glyph, draw.cell);
    m_strShown = QString::asprintf("%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
    update(contentsRect());
}

void CGlyphClock::DrawCell(int glyph, int cell) {
    if (surface_.isNull() || m_nCellWidth <= 0 || m_nCellHeight <= 0) return;
    QPainter painter(&surface_);
    // Pixels copied as they are: stretched, never blended.
    painter.drawImage(QRect(cell * m_nCellWidth, 0, m_nCellWidth, m_nCellHeight), Glyph(glyph),
                      QRect(QPoint(0, 0), m_szGlyph));
}

void CGlyphClock::EraseBackground() {
    surface_ = QImage(contentsRect().size(), QImage::Format_RGB32);
    surface_.fill(palette().color(QPalette::WindowText));
}

void CGlyphClock::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    if (surface_.size() != contentsRect().size()) EraseBackground();
}

void CGlyphClock::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), surface_);
}

}  // namespace tocklet
