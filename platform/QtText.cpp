// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/QtText.h"

#include "store/Text.h"

namespace tocklet {

QString FromGb(std::string_view gb) { return QString::fromStdString(GbToUtf8(gb)); }

std::optional<std::string> TryToGb(const QString& text) { return TryUtf8ToGb(text.toStdString()); }

std::string ToGb(const QString& text) {
    if (auto gb = TryToGb(text)) return *gb;
    std::string out;
    for (QChar c : text) {
        auto one = TryToGb(QString(c));
        out += one ? *one : std::string("?");
    }
    return out;
}

}  // namespace tocklet
