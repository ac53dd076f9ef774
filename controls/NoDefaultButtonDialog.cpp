// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "controls/NoDefaultButtonDialog.h"

#include <QKeyEvent>
#include <QPushButton>

#include "platform/MessageBox.h"

namespace tocklet {

void NoDefaultButtonDialog::DropDefaultButtons() {
    for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(false);
}

void NoDefaultButtonDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (!enter || modifiers != Qt::NoModifier) {
        QDialog::keyPressEvent(event);
        return;
    }
    if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
        button->click();
        return;
    }
    done(kIdOk);
}

}  // namespace tocklet
