// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The floor tocklet's footprint is measured against: a bare Qt 6 Widgets program doing the
// same visible work - a notification-area icon, a dialog with Chinese text shown at start and
// hidden after 800 ms, and its title rewritten every second on the second boundary - with
// nothing else. bench/footprint.sh runs it and tocklet in the same series.

#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QLabel>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Milliseconds to 15 ms past the next second boundary, as the program's one-second tick aims.
int ToNextSecond() {
    const qint64 ms = QDateTime::currentMSecsSinceEpoch() % 1000;
    return static_cast<int>(1000 - ms + 15);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    QPixmap image(16, 16);
    image.fill(QColor(0, 128, 255));
    QSystemTrayIcon tray{QIcon(image)};
    tray.setToolTip(QStringLiteral("守时鸟正在工作"));
    tray.show();

    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("当前没有任何可以执行的任务")));
    const auto title = [&dialog] {
        dialog.setWindowTitle(QStringLiteral("超级守时鸟  ") +
                              QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss")));
    };
    title();
    dialog.show();
    QTimer::singleShot(800, &dialog, &QDialog::hide);

    QTimer second;
    second.setSingleShot(true);
    second.setTimerType(Qt::PreciseTimer);
    QObject::connect(&second, &QTimer::timeout, [&] {
        second.start(ToNextSecond());
        title();
    });
    second.start(ToNextSecond());
    return QApplication::exec();
}
