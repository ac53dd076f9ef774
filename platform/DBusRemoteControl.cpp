// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/DBusRemoteControl.h"

#include <QDBusConnectionInterface>
#include <QTimer>
#include <iostream>

#include "control_adaptor.h"
#include "platform/QtText.h"

namespace tocklet {

QString BusName() { return QStringLiteral(TOCKLET_APP_ID); }

QString BusObjectPath() {
    QString path = QLatin1Char('/') + BusName();
    path.replace(QLatin1Char('.'), QLatin1Char('/')).replace(QLatin1Char('-'), QLatin1Char('_'));
    return path;
}

const char* CountdownEndWord(CountdownEnd how) {
    switch (how) {
        case CountdownEnd::kExpired:
            return "expired";
        case CountdownEnd::kNow:
            return "now";
        case CountdownEnd::kCancelled:
            break;
    }
    return "cancelled";
}

QVariantMap StatusMap(const StatusReport& status) {
    const QString none = QStringLiteral("none");
    QVariantMap map;
    map.insert(QStringLiteral("monitoring"), status.monitoring);
    map.insert(QStringLiteral("chime"), status.chimeOn);
    map.insert(QStringLiteral("protection"), status.protectionOn);
    map.insert(QStringLiteral("tasks"), status.taskCount);
    const NextTaskReport next = status.nextTask.value_or(NextTaskReport{});
    map.insert(QStringLiteral("next-due"), status.nextTask ? FromGb(next.due) : none);
    map.insert(QStringLiteral("next-kind"), FromGb(next.kind));
    map.insert(QStringLiteral("next-text"), FromGb(next.text));
    map.insert(QStringLiteral("power-off"),
               status.powerOffTime.empty() ? none : FromGb(status.powerOffTime));
    map.insert(QStringLiteral("version"), QString::fromStdString(status.version));
    return map;
}

void BusControlObject::ShowPanel() {
    if (commands) commands->ShowPanel();
}

void BusControlObject::Pause() {
    if (commands) commands->Pause();
}

void BusControlObject::Resume() {
    if (commands) commands->Resume();
}

void BusControlObject::SetClockShown(bool shown) {
    if (commands) commands->SetClockShown(shown);
}

QVariantMap BusControlObject::Status() {
    return commands ? StatusMap(commands->Status()) : QVariantMap{};
}

void BusControlObject::Quit() {
    // The answer goes out first: the password prompt that may come runs a loop of its own
    // until it is answered, and the caller is not kept waiting for that.
    QTimer::singleShot(0, this, [this] {
        if (commands) commands->Quit();
    });
}

DBusRemoteControl::DBusRemoteControl(QDBusConnection bus)
    : bus_(std::move(bus)), object_(std::make_unique<BusControlObject>()) {
    new ControlAdaptor(object_.get());  // owned by the object
}

DBusRemoteControl::~DBusRemoteControl() { Leave(); }

bool DBusRemoteControl::Serve(RemoteCommands& commands) {
    object_->commands = &commands;
    if (serving_) return true;
    if (!bus_.isConnected()) return false;
    if (!bus_.registerObject(BusObjectPath(), object_.get())) return false;
    // Never queued for the name nor handing it to a later start: the instance lock says
    // which process runs, and the name follows it.
    const auto reply =
        bus_.interface()->registerService(BusName(), QDBusConnectionInterface::DontQueueService,
                                          QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid() || reply.value() != QDBusConnectionInterface::ServiceRegistered) {
        bus_.unregisterObject(BusObjectPath());
        std::cerr << "tocklet: the session bus name " << BusName().toStdString()
                  << " belongs to another program; scripts cannot reach this one\n";
        return false;
    }
    serving_ = true;
    return true;
}

void DBusRemoteControl::Leave() {
    if (!serving_) return;
    serving_ = false;
    if (!bus_.unregisterService(BusName())) {
        // The bus went away: the name went with it.
    }
    bus_.unregisterObject(BusObjectPath());
}

void DBusRemoteControl::TaskFired(const std::string& due, const std::string& kind,
                                  const std::string& text) {
    if (serving_) Q_EMIT object_->TaskFired(FromGb(due), FromGb(kind), FromGb(text));
}

void DBusRemoteControl::CountdownStarted(const std::string& powerOffTime) {
    if (serving_) Q_EMIT object_->CountdownStarted(FromGb(powerOffTime));
}

void DBusRemoteControl::CountdownEnded(CountdownEnd how) {
    if (serving_) Q_EMIT object_->CountdownEnded(QString::fromLatin1(CountdownEndWord(how)));
}

void DBusRemoteControl::MonitoringChanged(bool on) {
    if (serving_) Q_EMIT object_->MonitoringChanged(on);
}

}  // namespace tocklet
