// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The floating clock: a small frameless window above every other window, near the top edge of
// the screen, holding the LED face. It has no task-bar entry, no close box and no menu; the
// main panel shows and hides it. Dragging it with the left button moves it: it jumps to its
// new place when the button is released.

#include <QDialog>
#include <QPoint>

#include "resources/FloatClockIds.h"
#include "settings/Colour.h"

namespace tocklet {

class CGlyphClock;
class Clock;
class Timers;

/// Where every new clock appears, in screen pixels, and the size of its face.
inline constexpr QPoint kFloatClockOrigin{395, 0};
inline constexpr QSize kFloatClockFaceSize{135, 25};

class CFloatClockDlg : public QDialog {
    Q_OBJECT
public:
    /// A clock in digit colour digits; its face ticks through faceTimers (see CGlyphClock).
    CFloatClockDlg(COLORREF digits, const Clock& clock, Timers& faceTimers);
    ~CFloatClockDlg() override;

    /// Makes the face, colours it, places the window at kFloatClockOrigin and shows it.
    void Create();

    [[nodiscard]] CGlyphClock* Face() const { return m_clock; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    /// Escape and Enter do not end the clock: only the main panel does.
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void OnInitDialog();

    COLORREF m_clrDigits;
    const Clock& clock_;
    Timers& faceTimers_;
    CGlyphClock* m_clock = nullptr;
    QPoint m_ptDown;
    bool dragging_ = false;
};

}  // namespace tocklet
