#include "controls/UpDownButtons.h"

namespace tocklet {

namespace {

QToolButton* MakeArrow(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    // The buddy edit keeps the focus while the arrows are clicked.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

UpDownButtons::UpDownButtons(QWidget* parent)
    : QWidget(parent), m_up(MakeArrow(Qt::UpArrow, this)), m_down(MakeArrow(Qt::DownArrow, this)) {
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
