// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "controls/DialogWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include "controls/AccessibleRole.h"
#include "controls/UpDownButtons.h"

namespace tocklet {

namespace {

bool Has(std::uint32_t style, std::uint32_t flag) { return (style & flag) != 0; }

// Raises and activates its window each time the window is shown.
class ForegroundOnShow : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* window = qobject_cast<QWidget*>(watched)) {
                window->raise();
                window->activateWindow();
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

// A slider with a thin plain border around it.
class BorderedSlider : public QSlider {
public:
    using QSlider::QSlider;

protected:
    void paintEvent(QPaintEvent* event) override {
        QSlider::paintEvent(event);
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

// Check boxes and radios as the dialog manager sizes them: a 13-pixel mark and a narrow gap
// before the text, so captions fit the widths the templates give them.
class DialogButtonStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        switch (metric) {
            case PM_IndicatorWidth:
            case PM_IndicatorHeight:
            case PM_ExclusiveIndicatorWidth:
            case PM_ExclusiveIndicatorHeight:
                return 13;
            case PM_CheckBoxLabelSpacing:
            case PM_RadioButtonLabelSpacing:
                return 3;
            default:
                return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

}  // namespace

GroupedRadioButton::GroupedRadioButton(QWidget* parent) : QRadioButton(parent) {
    // Qt names a checkable button that is not auto-exclusive a check box.
    SetAccessibleRole(this, QAccessible::RadioButton);
}

Qt::WindowFlags WindowFlagsFor(std::uint32_t style) {
    Qt::WindowFlags flags = Qt::Dialog;
    if (Has(style, DialogStyle::kAppWindow)) flags = Qt::Window;
    if (Has(style, DialogStyle::kToolWindow)) flags = Qt::Tool;
    flags |= Qt::CustomizeWindowHint;
    if (Has(style, DialogStyle::kNoBorder) || !Has(style, DialogStyle::kCaption)) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::WindowTitleHint;
        if (Has(style, DialogStyle::kSysMenu))
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (Has(style, DialogStyle::kMinimizeBox)) flags |= Qt::WindowMinimizeButtonHint;
    }
    if (Has(style, DialogStyle::kSystemModal)) flags |= Qt::WindowStaysOnTopHint;
    return flags;
}

// The widget class for a kind, with what the class needs before it is decorated.
QWidget* MakeStandardWidget(const ControlTemplate& control, QWidget* parent) {
    switch (control.kind) {
        case ControlKind::PushButton:
        case ControlKind::DefPushButton:
        case ControlKind::RoundButton:
            return new QPushButton(parent);
        case ControlKind::CheckBox:
            return new QCheckBox(parent);
        case ControlKind::RadioButton:
            return new GroupedRadioButton(parent);
        case ControlKind::GroupBox:
            return new QGroupBox(parent);
        case ControlKind::Frame: {
            auto* frame = new QFrame(parent);
            frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
            return frame;
        }
        case ControlKind::Edit:
            return new QLineEdit(parent);
        case ControlKind::ComboBox:
            return new QComboBox(parent);
        case ControlKind::ListBox:
            return new QListWidget(parent);
        case ControlKind::SpinButton:
            return new UpDownButtons(parent);
        case ControlKind::SliderH:
        case ControlKind::SliderV: {
            const auto orientation =
                control.kind == ControlKind::SliderH ? Qt::Horizontal : Qt::Vertical;
            return Has(control.style, ControlStyle::kBordered)
                       ? new BorderedSlider(orientation, parent)
                       : new QSlider(orientation, parent);
        }
        case ControlKind::ProgressBar:
            return new QProgressBar(parent);
        case ControlKind::Pager:
            return new QWidget(parent);
        case ControlKind::TextLeft:
        case ControlKind::TextCentre:
        case ControlKind::TextRight:
        case ControlKind::Hyperlink:
        case ControlKind::Picture:
        case ControlKind::IconImage:
        case ControlKind::Animation:
            return new QLabel(parent);
    }
    return new QWidget(parent);
}

void RaiseWhenShown(QWidget* window) { window->installEventFilter(new ForegroundOnShow(window)); }

QStyle* NewDialogButtonStyle(QObject* parent) {
    auto* style = new DialogButtonStyle;
    style->setParent(parent);
    return style;
}

}  // namespace tocklet
