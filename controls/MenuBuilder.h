// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Qt menus from the menu data. Each action carries its command number (QAction::data) and
// keeps the text as written: the part after a tab is shown in the shortcut column but binds
// no key by itself; the window that owns the menu binds the keys it serves.

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "resources/Menus.h"

namespace tocklet {

/// A menu bar with one pop-up per entry of menu; owned by parent.
[[nodiscard]] QMenuBar* BuildMenuBar(const MenuData& menu, QWidget* parent);

/// One pop-up with its items; owned by parent.
[[nodiscard]] QMenu* BuildPopupMenu(const MenuPopup& popup, QWidget* parent);

/// The command number an action carries; kSeparator for separators and foreign actions.
[[nodiscard]] int CommandOf(const QAction* action);

/// The first action under menu (a QMenu or QMenuBar, searched through its pop-ups) that
/// carries command, or nullptr.
[[nodiscard]] QAction* FindCommandAction(QWidget* menu, int command);

/// Makes action the menu's default item: drawn in bold.
void SetDefaultItem(QMenu* menu, QAction* action);

}  // namespace tocklet
