// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// A stand-in for systemd-logind on a private bus, for tests: owns org.freedesktop.login1 and
// serves PowerOff(b) of org.freedesktop.login1.Manager at /org/freedesktop/login1 by
// appending "PowerOff true" (or false) to a record file. It powers nothing off, and it sends
// nothing to sleep: a test's call of its SimulatePrepareForSleep(b) makes it announce
// PrepareForSleep(b), as logind does before a suspend (true) and after the resume (false).
// Usage: fake-login1 BUS_ADDRESS RECORD_FILE; says "ready <bus id>" once it owns the name.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusReply>
#include <QFile>
#include <cstdio>

class FakeManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    QString record;
    QDBusConnection* bus = nullptr;

public Q_SLOTS:
    void PowerOff(bool interactive) {
        QFile file(record);
        if (file.open(QIODevice::Append))
            file.write(interactive ? "PowerOff true\n" : "PowerOff false\n");
    }
    void SimulatePrepareForSleep(bool start) {
        QDBusMessage signal = QDBusMessage::createSignal(
            "/org/freedesktop/login1", "org.freedesktop.login1.Manager", "PrepareForSleep");
        signal << start;
        bus->send(signal);
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) return 2;
    QDBusConnection bus = QDBusConnection::connectToBus(QString::fromLocal8Bit(argv[1]), "fake");
    FakeManager manager;
    manager.record = QString::fromLocal8Bit(argv[2]);
    manager.bus = &bus;
    if (!bus.registerObject("/org/freedesktop/login1", &manager, QDBusConnection::ExportAllSlots) ||
        !bus.registerService("org.freedesktop.login1")) {
        std::fprintf(stderr, "fake-login1: %s\n", qPrintable(bus.lastError().message()));
        return 1;
    }
    const QDBusReply<QString> id = bus.call(QDBusMessage::createMethodCall(
        "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "GetId"));
    std::printf("ready %s\n", qPrintable(id.value()));
    std::fflush(stdout);
    return app.exec();
}

#include "FakeLogin1.moc"
