// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/RemoteClient.h"

#include <unistd.h>

#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusReply>
#include <QFileInfo>
#include <cstdlib>

#include "platform/DBusRemoteControl.h"

namespace tocklet {
namespace {

[[nodiscard]] bool SessionBusNamed() {
    if (const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS"); address && *address) {
        return true;
    }
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return runtime && *runtime &&
           QFileInfo(QFile::decodeName(runtime) + QStringLiteral("/bus")).exists();
}

[[nodiscard]] RemoteClient::Answer AnswerOf(const QDBusError& error) {
    switch (error.type()) {
        case QDBusError::NoError:
            return RemoteClient::Answer::kDone;
        case QDBusError::NoReply:
        case QDBusError::Timeout:
        case QDBusError::TimedOut:
            return RemoteClient::Answer::kSilent;
        default:
            // ServiceUnknown, UnknownObject, UnknownMethod, a lost connection: nobody serves.
            return RemoteClient::Answer::kNoInstance;
    }
}

[[nodiscard]] int Millis(std::chrono::milliseconds timeout) {
    return static_cast<int>(std::max<std::int64_t>(timeout.count(), 1));
}

}  // namespace

RemoteClient::RemoteClient()
    : name_(QStringLiteral("tocklet-client-%1").arg(static_cast<qint64>(getpid()))) {
    if (!SessionBusNamed()) return;
    bus_ = QDBusConnection::connectToBus(QDBusConnection::SessionBus, name_);
}

RemoteClient::~RemoteClient() {
    if (!bus_) return;
    bus_.reset();
    QDBusConnection::disconnectFromBus(name_);
}

bool RemoteClient::Connected() const { return bus_ && bus_->isConnected(); }

unsigned RemoteClient::OwnerPid() const {
    if (!Connected()) return 0;
    const QDBusReply<uint> pid = bus_->interface()->servicePid(BusName());
    return pid.isValid() ? pid.value() : 0;
}

RemoteClient::Answer RemoteClient::Call(const QString& method, const QVariantList& args,
                                        std::chrono::milliseconds timeout) {
    if (!Connected()) return Answer::kNoInstance;
    QDBusMessage call =
        QDBusMessage::createMethodCall(BusName(), BusObjectPath(), BusName(), method);
    call.setArguments(args);
    const QDBusMessage reply = bus_->call(call, QDBus::Block, Millis(timeout));
    if (reply.type() == QDBusMessage::ErrorMessage) return AnswerOf(QDBusError(reply));
    return reply.type() == QDBusMessage::ReplyMessage ? Answer::kDone : Answer::kNoInstance;
}

RemoteClient::Answer RemoteClient::Status(QVariantMap& status, std::chrono::milliseconds timeout) {
    if (!Connected()) return Answer::kNoInstance;
    const QDBusMessage call = QDBusMessage::createMethodCall(BusName(), BusObjectPath(), BusName(),
                                                             QStringLiteral("Status"));
    const QDBusReply<QVariantMap> reply = bus_->call(call, QDBus::Block, Millis(timeout));
    if (!reply.isValid()) return AnswerOf(reply.error());
    status = reply.value();
    return Answer::kDone;
}

std::vector<std::string> StatusLines(const QVariantMap& status) {
    static const char* const kOrder[] = {"monitoring", "chime",     "protection",
                                         "tasks",      "next-due",  "next-kind",
                                         "next-text",  "power-off", "version"};
    std::vector<std::string> lines;
    for (const char* name : kOrder) {
        const QVariant value = status.value(QString::fromLatin1(name));
        const QString text = value.typeId() == QMetaType::Bool
                                 ? QString::fromLatin1(value.toBool() ? "true" : "false")
                                 : value.toString();
        lines.push_back(std::string(name) + '=' + text.toStdString());
    }
    return lines;
}

}  // namespace tocklet
