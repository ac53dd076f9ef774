// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/QtShellOpen.h"

#include <QDesktopServices>
#include <QDir>
#include <QRegularExpression>

#include "store/Text.h"

namespace tocklet {

QUrl ShellTargetUrl(std::string_view target, const QString& currentDir) {
    const QString text = QString::fromStdString(GbToUtf8(target));
    if (text.isEmpty()) return {};
    // Two letters at least, so that a drive prefix such as "C:" is not taken for a scheme.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (scheme.match(text).hasMatch()) return QUrl(text, QUrl::StrictMode);
    return QUrl::fromLocalFile(QDir(currentDir).absoluteFilePath(text));
}

bool QtShellOpen::Open(std::string_view target) {
    QUrl url = ShellTargetUrl(target, QDir::currentPath());
    return url.isValid() && QDesktopServices::openUrl(url);
}

}  // namespace tocklet
