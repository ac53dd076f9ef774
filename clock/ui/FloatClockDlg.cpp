// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "clock/ui/FloatClockDlg.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "clock/ui/GlyphClock.h"
#include "controls/DialogBuilder.h"
#include "platform/X11WindowHints.h"
#include "resources/Templates.h"

namespace tocklet {

CFloatClockDlg::CFloatClockDlg(COLORREF digits, const Clock& clock, Timers& faceTimers)
    : QDialog(nullptr), m_clrDigits(digits), clock_(clock), faceTimers_(faceTimers) {
    BuildDialog(FloatClockTemplate(), this);
    // A window without a title bar, named for screen readers as the panel's check box names it.
    setAccessibleName(QStringLiteral("实钟"));
    KeepOffTaskbar(this);
    // The face covers the template's empty text, which has nothing to tell a screen reader.
    for (QLabel* text : findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) text->hide();
}

CFloatClockDlg::~CFloatClockDlg() {
    // The face goes first, so its timer stops while the window still exists.
    delete m_clock;
    m_clock = nullptr;
}

void CFloatClockDlg::Create() {
    OnInitDialog();
    show();
}

void CFloatClockDlg::OnInitDialog() {
    m_clock = new CGlyphClock(clock_, faceTimers_, this);
    m_clock->setObjectName(QString::number(kFloatClockFaceId));
    m_clock->setProperty(kControlIdProperty, kFloatClockFaceId);
    // Heard by the time it shows; before its first tick, by what it is.
    m_clock->setAccessibleName(QStringLiteral("实钟"));
    m_clock->setAccessibleDescription(QStringLiteral("实钟"));
    m_clock->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_clock->setLineWidth(1);
    // Clicks on the face belong to the window, so a drag may start anywhere on the clock.
    m_clock->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_clock->setGeometry(QRect(QPoint(0, 0), kFloatClockFaceSize));
    m_clock->show();
    m_clock->SetDigitColor(m_clrDigits);
    // The window is its face: a size from the template's dialog units would follow the
    // substitute font and leave a strip of window ground beside the digits.
    setFixedSize(kFloatClockFaceSize);
    move(kFloatClockOrigin);
}

void CFloatClockDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QDialog::mousePressEvent(event);
    m_ptDown = event->globalPosition().toPoint();
    dragging_ = true;
    // The release is ours even when the pointer has left the clock by then.
    grabMouse();
}

void CFloatClockDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QDialog::mouseReleaseEvent(event);
    // A release without a press on the clock (one begun elsewhere) moves nothing.
    if (!dragging_) return;
    dragging_ = false;
    move(pos() + (event->globalPosition().toPoint() - m_ptDown));
    releaseMouse();
}

void CFloatClockDlg::keyPressEvent(QKeyEvent* event) { event->accept(); }

void CFloatClockDlg::closeEvent(QCloseEvent* event) {
    // The desktop's close shortcut would hide it behind the panel's back.
    if (event->spontaneous()) event->ignore();
}

}  // namespace tocklet
