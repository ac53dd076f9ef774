// The logind power-off request, sent over a private bus that stands in for the system bus and
// on which a fake logind records what it was asked. The connection is proved to be the
// private daemon's before any request is made: no test may power this machine off.
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusReply>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "platform/LogindPowerOff.h"

namespace tocklet {
namespace {

// A helper process that ends with the test, however the test ends.
struct Child : QProcess {
    ~Child() override {
        kill();
        waitForFinished();
    }
};

QString FirstLine(QProcess& process) {
    if (!process.waitForReadyRead(10000)) return {};
    return QString::fromUtf8(process.readLine()).trimmed();
}

TEST(LogindPowerOff, ReachesTheFakeLogindOnThePrivateBus) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Child daemon;
    daemon.start(QStringLiteral("dbus-daemon"),
                 {QStringLiteral("--session"), QStringLiteral("--nofork"),
                  QStringLiteral("--print-address=1"),
                  QStringLiteral("--address=unix:path=") + dir.filePath(QStringLiteral("bus"))});
    const QString address = FirstLine(daemon);
    const QString privatePrefix = QStringLiteral("unix:path=") + dir.filePath("bus") + ",guid=";
    ASSERT_TRUE(address.startsWith(privatePrefix)) << address.toStdString();

    const QString record = dir.filePath(QStringLiteral("record"));
    Child login1;
    login1.start(QStringLiteral(TOCKLET_FAKE_LOGIN1), {address, record});
    const QString ready = FirstLine(login1);
    ASSERT_TRUE(ready.startsWith(QStringLiteral("ready "))) << ready.toStdString();

    qputenv("DBUS_SYSTEM_BUS_ADDRESS", address.toUtf8());
    QDBusConnection bus = QDBusConnection::systemBus();
    ASSERT_EQ(qgetenv("DBUS_SYSTEM_BUS_ADDRESS"), address.toUtf8());
    const QDBusReply<QString> busId = bus.call(QDBusMessage::createMethodCall(
        "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "GetId"));
    ASSERT_TRUE(busId.isValid());
    ASSERT_EQ(busId.value(), ready.mid(6));  // the very daemon the fake logind is on

    LogindPowerOff powerOff(bus);
    powerOff.RequestPowerOff();
    QByteArray recorded;
    for (int waited = 0; waited < 5000 && recorded.isEmpty(); waited += 20) {
        QTest::qWait(20);
        QFile file(record);
        if (file.open(QIODevice::ReadOnly)) recorded = file.readAll();
    }
    EXPECT_EQ(recorded, QByteArray("PowerOff true\n"));
}

}  // namespace
}  // namespace tocklet
