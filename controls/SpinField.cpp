// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "controls/SpinField.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "controls/UpDownButtons.h"

namespace tocklet {

SpinField::SpinField(QLineEdit* edit, UpDownButtons* arrows, SpinRange range, QObject* parent)
    : QObject(parent), m_edit(edit), m_range(range), m_position(range.minimum) {
    if (arrows != nullptr) connect(arrows, &UpDownButtons::Stepped, this, &SpinField::Step);
    if (m_edit != nullptr) m_edit->installEventFilter(this);
}

void SpinField::SetPosition(int position) {
    m_position = StepSpin(position, 0, m_range);
    if (m_edit != nullptr) m_edit->setText(QString::number(m_position));
}

int SpinField::ReadPosition() {
    if (m_edit != nullptr) {
        if (auto p = SpinPositionFromText(m_edit->text().toStdString(), m_range)) m_position = *p;
    }
    return m_position;
}

void SpinField::Step(int delta) { SetPosition(StepSpin(ReadPosition(), delta, m_range)); }

bool SpinField::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_edit && event->type() == QEvent::KeyPress && m_edit->isEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tocklet
