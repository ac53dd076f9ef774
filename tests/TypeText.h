// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Typing into widgets the way an input method delivers characters: one key event per
// character, carrying its text (a surrogate pair stays one character).

#include <QString>
#include <QTest>
#include <QWidget>

namespace tocklet::testing {

inline QString U(const char* utf8) { return QString::fromUtf8(utf8); }

inline void Type(QWidget* widget, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        QString one(text[i]);
        if (text[i].isHighSurrogate() && i + 1 < text.size()) one += text[++i];
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, one, Qt::NoModifier);
    }
}

}  // namespace tocklet::testing
