// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "controls/MenuBuilder.h"

namespace tocklet {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void AddItems(QMenu* menu, const MenuPopup& popup) {
    for (const MenuItem& item : popup.items) {
        if (item.command == kSeparator) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(FromUtf8(item.text));
        action->setData(item.command);
        if (item.isDefault) SetDefaultItem(menu, action);
    }
}

}  // namespace

QMenuBar* BuildMenuBar(const MenuData& menu, QWidget* parent) {
    auto* bar = new QMenuBar(parent);
    // The menu bar belongs to its window, as a dialog's menu does, never to a global bar.
    bar->setNativeMenuBar(false);
    for (const MenuPopup& popup : menu.popups) {
        QMenu* sub = bar->addMenu(FromUtf8(popup.title));
        AddItems(sub, popup);
    }
    return bar;
}

QMenu* BuildPopupMenu(const MenuPopup& popup, QWidget* parent) {
    auto* menu = new QMenu(FromUtf8(popup.title), parent);
    AddItems(menu, popup);
    return menu;
}

int CommandOf(const QAction* action) {
    if (action == nullptr || action->isSeparator()) return kSeparator;
    bool ok = false;
    const int command = action->data().toInt(&ok);
    return ok ? command : kSeparator;
}

QAction* FindCommandAction(QWidget* menu, int command) {
    if (menu == nullptr) return nullptr;
    for (QAction* action : menu->actions()) {
        if (CommandOf(action) == command) return action;
        if (QAction* found = FindCommandAction(action->menu(), command)) return found;
    }
    return nullptr;
}

void SetDefaultItem(QMenu* menu, QAction* action) {
    if (QAction* previous = menu->defaultAction(); previous != nullptr && previous != action) {
        QFont plain = previous->font();
        plain.setBold(false);
        previous->setFont(plain);
    }
    menu->setDefaultAction(action);
    QFont bold = action->font();
    bold.setBold(true);
    action->setFont(bold);
}

}  // namespace tocklet
