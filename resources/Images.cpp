#include "resources/Images.h"

#include <QFile>

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

}  // namespace

QPixmap Bitmap(int id) {
    EnsureResources();
    const QString path = QStringLiteral(":/tocklet/images/bitmap%1.png").arg(id);
    if (!QFile::exists(path)) return {};
    return QPixmap(path);
}

QIcon Icon(int id) {
    EnsureResources();
    QIcon icon;
    for (int size : kIconSizes) {
        const QString path = QStringLiteral(":/tocklet/images/icon%1-%2.png").arg(id).arg(size);
        if (QFile::exists(path)) icon.addFile(path, QSize(size, size));
    }
    return icon;
}

QString AnimationPath(int id) {
    EnsureResources();
    const QString path = QStringLiteral(":/tocklet/images/anim%1.gif").arg(id);
    return QFile::exists(path) ? path : QString();
}

}  // namespace tocklet
