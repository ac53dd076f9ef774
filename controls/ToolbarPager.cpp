// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "controls/ToolbarPager.h"

#include <QAction>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "resources/Images.h"
#include "resources/Menus.h"

namespace tocklet {
namespace {

constexpr int kArrowWidth = 25;
constexpr int kChildMargin = 15;
constexpr int kButtonImage = 20;  // side of one image in the toolbar's strip

QToolButton* MakeArrow(Qt::ArrowType direction, const char* name, QWidget* parent) {
    auto* arrow = new QToolButton(parent);
    arrow->setArrowType(direction);
    arrow->setAutoRaise(true);
    arrow->setAutoRepeat(true);
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setAccessibleName(QString::fromUtf8(name));
    arrow->hide();
    return arrow;
}

}  // namespace

CToolbarPager::CToolbarPager(QWidget* parent) : QWidget(parent) {
    view_ = new QWidget(this);
    back_ = MakeArrow(Qt::LeftArrow, "向左滚动", this);
    forward_ = MakeArrow(Qt::RightArrow, "向右滚动", this);
    connect(back_, &QToolButton::clicked, this, [this] { Scroll(-1); });
    connect(forward_, &QToolButton::clicked, this, [this] { Scroll(1); });
}

void CToolbarPager::SetChild(QWidget* child) {
    child_ = child;
    if (child_ != nullptr) {
        child_->setParent(view_);
        child_->show();
    }
    offset_ = 0;
    Relayout();
}

void CToolbarPager::SetButtonSize(int pixels) {
    buttonSize_ = std::max(0, pixels);
    Relayout();
}

void CToolbarPager::SetChildSize(int width, int height) {
    m_nChildWidth = width;
    m_nChildHeight = height;
    Relayout();
}

void CToolbarPager::OnPagerCalcSize(PagerCalcSize& calc) {
    if (calc.dwFlag == kCalcWidth) calc.iWidth = m_nChildWidth;
    if (calc.dwFlag == kCalcHeight) calc.iHeight = m_nChildHeight;
}

int CToolbarPager::OnPagerScroll(int proposed) { return proposed; }

void CToolbarPager::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Relayout();
}

void CToolbarPager::Scroll(int direction) {
    offset_ += direction * OnPagerScroll(buttonSize_);
    Relayout();
}

void CToolbarPager::Relayout() {
    PagerCalcSize calc{kCalcWidth, width(), height()};
    OnPagerCalcSize(calc);
    const int childWidth = child_ != nullptr ? calc.iWidth : 0;
    const bool arrows = childWidth > width();
    const int arrow = arrows ? std::min(buttonSize_, width() / 2) : 0;
    const int viewWidth = width() - 2 * arrow;
    offset_ = std::clamp(offset_, 0, std::max(0, childWidth - viewWidth));

    back_->setVisible(arrows);
    forward_->setVisible(arrows);
    back_->setGeometry(0, 0, arrow, height());
    forward_->setGeometry(width() - arrow, 0, arrow, height());
    back_->setEnabled(offset_ > 0);
    forward_->setEnabled(offset_ < childWidth - viewWidth);
    view_->setGeometry(arrow, 0, viewWidth, height());
    if (child_ != nullptr) child_->setGeometry(-offset_, 0, childWidth, height());
}

QToolBar* CreatePagerToolbar(CToolbarPager& pager, int toolbarId) {
    const std::vector<int>& commands = ToolbarButtons(toolbarId);
    const QPixmap strip = Bitmap(toolbarId);
    if (commands.empty() || strip.isNull()) return nullptr;

    auto* toolbar = new QToolBar(&pager);
    toolbar->setObjectName(QStringLiteral("toolbar"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setIconSize(QSize(kButtonImage, kButtonImage));
    int image = 0;
    for (int command : commands) {
        if (command == kSeparator) {
            toolbar->addSeparator();
            continue;
        }
        // No text, so no tooltip either; the button's name is for screen readers.
        QAction* action = toolbar->addAction(
            QIcon(strip.copy(image++ * kButtonImage, 0, kButtonImage, kButtonImage)), QString());
        action->setData(command);
        if (QWidget* button = toolbar->widgetForAction(action)) {
            const std::string_view name = ToolbarButtonName(command);
            button->setAccessibleName(
                QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
            button->setFocusPolicy(Qt::NoFocus);
        }
    }
    pager.SetChild(toolbar);
    pager.SetButtonSize(kArrowWidth);
    const QSize full = toolbar->sizeHint();
    pager.SetChildSize(full.width() + kChildMargin, full.height() + kChildMargin);
    return toolbar;
}

}  // namespace tocklet
