// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The LED face of the floating clock: HH:MM:SS in eight cells of seven-segment glyph images,
// redrawn by a one-second timer of its own that keeps to the wall clock's second boundaries.
// The digits come with the first tick; until then the face shows its bare background.

#include <QFrame>
#include <QImage>
#include <QString>
#include <array>

#include "clock/ClockFace.h"
#include "settings/Colour.h"

namespace tocklet {

class Clock;
class Timers;
struct TickSeconds;

/// The face's timer number in its own Timers and its interval.
inline constexpr int kFaceTimerId = 1;
inline constexpr int kFaceTimerMs = 1000;

class CGlyphClock : public QFrame {
    Q_OBJECT
public:
    /// Loads the glyphs in their own red and starts the face's timer in timers, which the face
    /// drives alone until it is destroyed; clock gives the local time.
    CGlyphClock(const Clock& clock, Timers& timers, QWidget* parent = nullptr);
    /// Stops the face's timer.
    ~CGlyphClock() override;
    CGlyphClock(const CGlyphClock&) = delete;
    CGlyphClock& operator=(const CGlyphClock&) = delete;

    /// Reloads the glyphs with their pure red in colour (nothing else of them changes) and
    /// returns the colour they had; the same colour again reloads nothing. The colour returned
    /// is the one to put back, not an outcome: a caller that sets a colour for good ignores it.
    COLORREF SetDigitColor(COLORREF colour);
    [[nodiscard]] COLORREF DigitColor() const { return m_clrDigits; }

    /// Glyph 0..11 as it is drawn now.
    [[nodiscard]] const QImage& Glyph(int index) const;

    /// One tick of a timer of the face's Timers; only the face's own timer draws.
    void OnTimer(int id, const TickSeconds& seconds);

    [[nodiscard]] int CellWidth() const { return m_nCellWidth; }
    [[nodiscard]] int CellHeight() const { return m_nCellHeight; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void LoadGlyphs(bool recolour);
    void EraseBackground();
    void DrawCell(int glyph, int cell);

    const Clock& clock_;
    Timers& timers_;
    std::array<QImage, kGlyphCount> m_hGlyphs;
    COLORREF m_clrDigits = Rgb(255, 0, 0);
    QString m_strShown;  // HH:MM:SS as last drawn, for screen readers
    QSize m_szGlyph;
    int m_nCellWidth = 0;
    int m_nCellHeight = 0;
    int m_nTimerId = 0;
    QImage surface_;  ///< the drawing area: background, and the cells the ticks drew
};

}  // namespace tocklet
