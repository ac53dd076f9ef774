// A stand-in StatusNotifierItem host for tests: owns org.kde.StatusNotifierWatcher on the
// session bus, says that a host is there, and prints each item that registers, one line each
// ("registered <service> <path>"), so a test can see a program's tray icon arrive.

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QStringList>
#include <cstdio>

namespace {

class Watcher : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ Items)
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ HostRegistered)
    Q_PROPERTY(int ProtocolVersion READ Version)

public:
    QStringList Items() const { return items_; }
    bool HostRegistered() const { return true; }
    int Version() const { return 0; }

public Q_SLOTS:
    void RegisterStatusNotifierItem(const QString& service, const QDBusMessage& message) {
        // An item may name its bus name or only its object path.
        QString name = service.startsWith(QLatin1Char('/')) ? message.service() : service;
        QString path =
            service.startsWith(QLatin1Char('/')) ? service : QStringLiteral("/StatusNotifierItem");
        items_ << name + path;
        std::printf("registered %s %s\n", qPrintable(name), qPrintable(path));
        std::fflush(stdout);
        Q_EMIT StatusNotifierItemRegistered(name + path);
    }
    void RegisterStatusNotifierHost(const QString&) {}

Q_SIGNALS:
    void StatusNotifierItemRegistered(const QString& item);
    void StatusNotifierItemUnregistered(const QString& item);
    void StatusNotifierHostRegistered();

private:
    QStringList items_;
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    Watcher watcher;
    if (!bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcher,
                            QDBusConnection::ExportAllContents) ||
        !bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"))) {
        std::fprintf(stderr, "sni-watcher: cannot own org.kde.StatusNotifierWatcher: %s\n",
                     qPrintable(bus.lastError().message()));
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}

#include "SniWatcher.moc"
