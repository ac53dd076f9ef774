// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Screen-reader roles for widgets that Qt would announce as something else: a link that is a
// QLabel underneath, a clock face painted from images, radio buttons kept exclusive by a
// group. The reader asks for the widget's name each time it looks, so a name that follows
// what the widget shows needs no change events.

#include <QAccessible>
#include <QString>
#include <functional>

class QWidget;

namespace tocklet {

/// Makes widget heard as role. When shown is given and returns a non-empty text, that text is
/// the widget's name (what it shows now); otherwise its accessibleName is. Links and buttons
/// also offer the press action, which clicks the widget's middle; buttons also report whether
/// they are checked. Call before the widget is
/// first looked at by a screen reader (in its constructor, or right after making it).
void SetAccessibleRole(QWidget* widget, QAccessible::Role role,
                       std::function<QString()> shown = {});

}  // namespace tocklet
