// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "controls/LinkLabel.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>

#include "controls/AccessibleRole.h"
#include "controls/LinkLogic.h"
#include "controls/QtColour.h"
#include "platform/DefaultApps.h"
#include "platform/DesktopExec.h"
#include "platform/MessageBox.h"
#include "platform/QtText.h"
#include "platform/ShellOpen.h"

namespace tocklet {
namespace {

// The kind of page whose default application opens what the desktop would not.
constexpr std::string_view kWebPageType = "text/html";

TextAlign HorizontalAlign(Qt::Alignment alignment) {
    if (alignment & Qt::AlignHCenter) return TextAlign::Centre;
    if (alignment & Qt::AlignRight) return TextAlign::Right;
    return TextAlign::Left;
}

}  // namespace

CLinkLabel::CLinkLabel(LinkServices services, QWidget* parent)
    : QLabel(parent),
      svc_(services),
      m_clrHover(ToColorRef(palette().color(QPalette::Active, QPalette::Highlight))) {
    setAutoFillBackground(false);
    setTextFormat(Qt::PlainText);
    setMouseTracking(true);
    // Heard as a link by the text it shows, and pressed like a click.
    SetAccessibleRole(this, QAccessible::Link, [this] { return text(); });
}

void CLinkLabel::Attach() {
    setWordWrap(false);
    if (m_strTarget.empty()) m_strTarget = ToGb(text());
    if (text().isEmpty()) setText(FromGb(m_strTarget));
    m_fontLink = font();
    m_fontLink.setUnderline(m_bUnderlined);
    setFont(m_fontLink);
    attached_ = true;
    FitToText();
    setCursor(Qt::PointingHandCursor);
    setToolTip(FromGb(m_strTarget));
    ApplyColour();
}

void CLinkLabel::SetTarget(std::string_view target) {
    m_strTarget = target;
    if (!attached_) return;
    FitToText();
    setToolTip(FromGb(m_strTarget));
}

void CLinkLabel::SetLinkColors(COLORREF link, COLORREF visited, COLORREF hover) {
    m_clrLink = link;
    m_clrVisited = visited;
    m_clrHover = hover == kSystemHighlight
                     ? ToColorRef(palette().color(QPalette::Active, QPalette::Highlight))
                     : hover;
    ApplyColour();
}

void CLinkLabel::SetOpened(bool opened) {
    m_bOpened = opened;
    ApplyColour();
}

void CLinkLabel::SetUnderlined(bool underlined) {
    m_bUnderlined = underlined;
    if (!attached_) return;
    m_fontLink = font();
    m_fontLink.setUnderline(underlined);
    setFont(m_fontLink);
    update();
}

COLORREF CLinkLabel::TextColour() const {
    return LinkTextColour(m_clrLink, m_clrVisited, m_clrHover, m_bMouseOver, m_bOpened);
}

void CLinkLabel::ApplyColour() {
    QPalette colours = palette();
    const QColor text = ToQColor(TextColour());
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        colours.setColor(group, QPalette::WindowText, text);
    setPalette(colours);
    update();
}

void CLinkLabel::FitToText() {
    if (!m_bFitText || parentWidget() == nullptr) return;
    const QRect g = geometry();
    const QSize textSize = QFontMetrics(m_fontLink).size(Qt::TextSingleLine, text());
    const WindowRect fitted = FitRectToText(
        {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()}, textSize.width(),
        textSize.height(), HorizontalAlign(alignment()), (alignment() & Qt::AlignVCenter) != 0);
    setGeometry(fitted.left, fitted.top, fitted.right - fitted.left, fitted.bottom - fitted.top);
}

void CLinkLabel::SetMouseOver(bool over) {
    if (m_bMouseOver == over) return;
    m_bMouseOver = over;
    ApplyColour();
    repaint();
}

void CLinkLabel::mouseMoveEvent(QMouseEvent* event) {
    QLabel::mouseMoveEvent(event);
    SetMouseOver(rect().contains(event->position().toPoint()));
}

void CLinkLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    SetMouseOver(false);
}

void CLinkLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void CLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) OnClicked();
}

void CLinkLabel::OnClicked() {
    const int result = OpenTarget(m_strTarget);
    m_bOpened = result > kOpenFailedMax;
    if (m_bOpened) {
        SetOpened(true);
        return;
    }
    ApplyColour();
    QApplication::beep();
    ShowOpenError(result);
}

int CLinkLabel::OpenTarget(std::string_view target) {
    if (svc_.shell.Open(target)) return kOpened;
    const int refused = OpenFailureForRefusal(target, ToGb(QDir::currentPath()));
    const auto command = svc_.defaultApps.CommandFor(kWebPageType);
    if (!command) return refused;
    const auto words = CommandForTarget(*command, target);
    if (!words) return refused;
    const int error = StartCommand(*words);
    return error == 0 ? kOpened : OpenFailureForErrno(error);
}

void CLinkLabel::ShowOpenError(int code) {
    svc_.boxes.Tell(OpenErrorText(code), std::nullopt, MbIcon::Warning);
}

}  // namespace tocklet
