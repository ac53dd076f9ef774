// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "controls/UpDownButtons.h"

namespace tocklet {

namespace {

QToolButton* MakeArrow(Qt::ArrowType arrow, const char* name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setAccessibleName(QString::fromUtf8(name));
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    // The buddy edit keeps the focus while the arrows are clicked.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

UpDownButtons::UpDownButtons(QWidget* parent)
    : QWidget(parent),
      m_up(MakeArrow(Qt::UpArrow, "增加", this)),
      m_down(MakeArrow(Qt::DownArrow, "减少", this)) {
    connect(m_up, &QToolButton::clicked, this, [this] { Q_EMIT Stepped(+1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Q_EMIT Stepped(-1); });
}

void UpDownButtons::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int upper = height() / 2;
    m_up->setGeometry(0, 0, width(), upper);
    m_down->setGeometry(0, upper, width(), height() - upper);
}

}  // namespace tocklet
