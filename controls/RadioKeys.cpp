// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "controls/RadioKeys.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>

namespace tocklet {

namespace {

bool Reachable(const QAbstractButton* button) { return button->isEnabled() && !button->isHidden(); }

// Keeps one radio of the group in the tab chain and moves along the group on arrow keys.
class RadioGroupKeys : public QObject {
public:
    explicit RadioGroupKeys(QButtonGroup* group) : QObject(group), group_(group) {
        for (QAbstractButton* button : group->buttons()) button->installEventFilter(this);
        connect(group, &QButtonGroup::buttonToggled, this, [this] { UpdateTabStop(); });
        UpdateTabStop();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (button == nullptr) return false;
        if (event->type() == QEvent::EnabledChange || event->type() == QEvent::ShowToParent ||
            event->type() == QEvent::HideToParent) {
            UpdateTabStop();
            return false;
        }
        if (event->type() == QEvent::FocusIn) {
            // Tab and Shift+Tab come into the group at its tab stop, from either side.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            const bool tabbed = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
            if (tabbed && stop_ != nullptr && button != stop_) stop_->setFocus(reason);
            return false;
        }
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier) {
            LeaveGroup(button, true);
            return true;
        }
        if (key->key() == Qt::Key_Backtab) {
            LeaveGroup(button, false);
            return true;
        }
        const int step = StepFor(*key);
        if (step == 0) return false;
        MoveFrom(button, step);
        return true;
    }

private:
    static int StepFor(const QKeyEvent& key) {
        if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return 0;
        switch (key.key()) {
            case Qt::Key_Down:
            case Qt::Key_Right:
                return 1;
            case Qt::Key_Up:
            case Qt::Key_Left:
                return -1;
            default:
                return 0;
        }
    }

    // The next reachable radio in the direction, round the ends; it takes the focus and is
    // pressed, so that whoever listens to its clicks hears of the choice.
    void MoveFrom(QAbstractButton* from, int step) {
        const QList<QAbstractButton*> buttons = group_->buttons();
        const auto count = buttons.size();
        const auto start = buttons.indexOf(from);
        if (start < 0) return;
        for (qsizetype i = 1; i < count; ++i) {
            QAbstractButton* to = buttons[((start + step * i) % count + count) % count];
            if (!Reachable(to)) continue;
            // Not a Tab reason: that one is sent on to the tab stop, which this one becomes.
            to->setFocus(Qt::OtherFocusReason);
            if (!to->isChecked()) to->click();
            return;
        }
    }

    // Tab and Shift+Tab go on to the next control outside the group that Tab can reach.
    void LeaveGroup(QAbstractButton* from, bool forward) {
        const QList<QAbstractButton*> buttons = group_->buttons();
        QWidget* window = from->window();
        QWidget* next = from;
        while (true) {
            next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
            if (next == nullptr || next == from) return;
            if (buttons.contains(qobject_cast<QAbstractButton*>(next))) continue;
            if (next->window() == window && next->isVisible() && next->isEnabled() &&
                (next->focusPolicy() & Qt::TabFocus) == Qt::TabFocus) {
                next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
                return;
            }
        }
    }

    // Tab reaches the group at one radio only: the checked one, else the first reachable one.
    void UpdateTabStop() {
        const QList<QAbstractButton*> buttons = group_->buttons();
        QAbstractButton* stop = group_->checkedButton();
        if (stop == nullptr || !Reachable(stop)) {
            stop = nullptr;
            for (QAbstractButton* button : buttons) {
                if (Reachable(button)) {
                    stop = button;
                    break;
                }
            }
        }
        stop_ = stop;
        for (QAbstractButton* button : buttons)
            button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }

    QButtonGroup* group_;
    QAbstractButton* stop_ = nullptr;  // the radio Tab comes to
};

}  // namespace

void FollowArrowKeys(QButtonGroup* group) {
    if (group != nullptr) new RadioGroupKeys(group);
}

}  // namespace tocklet
