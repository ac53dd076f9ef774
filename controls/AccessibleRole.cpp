// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "controls/AccessibleRole.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <utility>

namespace tocklet {
namespace {

constexpr const char* kRoleProperty = "tockletAccessibleRole";

// Keeps the widget's text source beside it, as a child object that dies with the widget.
class ShownText : public QObject {
public:
    ShownText(std::function<QString()> text, QObject* parent)
        : QObject(parent), text_(std::move(text)) {
        setObjectName(QStringLiteral("tockletShownText"));
    }
    QString Text() const { return text_ ? text_() : QString(); }

private:
    std::function<QString()> text_;
};

bool Pressable(QAccessible::Role role) {
    return role == QAccessible::Link || role == QAccessible::Button ||
           role == QAccessible::RadioButton || role == QAccessible::CheckBox;
}

// A press as the mouse gives it, so the widget's own click handling runs.
void ClickMiddle(QWidget* widget) {
    const QPointF middle = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(middle);
    QMouseEvent press(QEvent::MouseButtonPress, middle, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, middle, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

class RoleAccessible : public QAccessibleWidget {
public:
    RoleAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const auto* shown =
                widget()->findChild<ShownText*>(QString(), Qt::FindDirectChildrenOnly);
            const QString text = shown != nullptr ? shown->Text() : QString();
            if (!text.isEmpty()) return text;
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget())) {
            state.checkable = button->isCheckable();
            state.checked = button->isChecked();
        }
        return state;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (Pressable(role()) && widget()->isEnabled()) names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& name) override {
        if (name == pressAction() && Pressable(role()) && widget()->isEnabled()) {
            if (auto* button = qobject_cast<QAbstractButton*>(widget()))
                button->click();
            else
                ClickMiddle(widget());
        } else
            QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface* RoleFactory(const QString& /*className*/, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) return nullptr;
    bool ok = false;
    const int role = widget->property(kRoleProperty).toInt(&ok);
    return ok ? new RoleAccessible(widget, static_cast<QAccessible::Role>(role)) : nullptr;
}

}  // namespace

void SetAccessibleRole(QWidget* widget, QAccessible::Role role, std::function<QString()> shown) {
    static const bool installed = [] {
        QAccessible::installFactory(RoleFactory);
        return true;
    }();
    (void)installed;
    widget->setProperty(kRoleProperty, static_cast<int>(role));
    if (shown) new ShownText(std::move(shown), widget);
}

}  // namespace tocklet
