// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "resources/Images.h"

#include <QFile>
#include <QImageReader>

// The embedded files live in this static library; naming their initialiser here keeps the
// linker from dropping them. Q_INIT_RESOURCE must be used outside any namespace.
static void InitTockletResources() { Q_INIT_RESOURCE(resources); }

namespace tocklet {

namespace {

void EnsureResources() {
    static const bool done = [] {
        InitTockletResources();
        return true;
    }();
    (void)done;
}

constexpr int kIconSizes[] = {16, 32, 48};

// Every embedded image is a PNG, which Qt reads itself. Left to guess the format, the reader
// first offers the data to every image plugin in turn.
QPixmap ReadPng(const QString& path) {
    QImageReader reader(path, QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

}  // namespace

QPixmap Bitmap(int id) {
    EnsureResources();
    const QString path = QStringLiteral(":/tocklet/images/bitmap%1.png").arg(id);
    if (!QFile::exists(path)) return {};
    return ReadPng(path);
}

QIcon Icon(int id) {
    EnsureResources();
    QIcon icon;
    for (int size : kIconSizes) {
        const QString path = QStringLiteral(":/tocklet/images/icon%1-%2.png").arg(id).arg(size);
        if (QFile::exists(path)) icon.addPixmap(ReadPng(path));
    }
    return icon;
}

QString AnimationPath(int id) {
    EnsureResources();
    const QString path = QStringLiteral(":/tocklet/images/anim%1.gif").arg(id);
    return QFile::exists(path) ? path : QString();
}

}  // namespace tocklet
