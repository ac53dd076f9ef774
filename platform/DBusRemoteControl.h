// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The program on the session bus: its name and object, the interface installed as
// share/dbus-1/interfaces/<name>.xml (the adaptor is generated from that file).

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>
#include <memory>

#include "platform/RemoteControl.h"

namespace tocklet {

/// The bus name and interface: the program's application id.
[[nodiscard]] QString BusName();
/// The object path of the program's one object.
[[nodiscard]] QString BusObjectPath();

/// The object the generated adaptor calls and relays the signals of.
class BusControlObject final : public QObject {
    Q_OBJECT
public:
    explicit BusControlObject(QObject* parent = nullptr) : QObject(parent) {}

    RemoteCommands* commands = nullptr;  ///< nullptr: every method is refused

public Q_SLOTS:
    void ShowPanel();
    void Pause();
    void Resume();
    void SetClockShown(bool shown);
    QVariantMap Status();
    void Quit();

Q_SIGNALS:
    void TaskFired(const QString& due, const QString& kind, const QString& text);
    void CountdownStarted(const QString& powerOffTime);
    void CountdownEnded(const QString& how);
    void MonitoringChanged(bool on);
};

/// The remote control on a bus connection (the session bus in the program): while serving it
/// holds the bus name and takes calls; the panel's moments go out as signals.
class DBusRemoteControl final : public RemoteControl {
public:
    explicit DBusRemoteControl(QDBusConnection bus = QDBusConnection::sessionBus());
    ~DBusRemoteControl() override;

    [[nodiscard]] bool Serve(RemoteCommands& commands) override;
    void Leave() override;

    void TaskFired(const std::string& due, const std::string& kind,
                   const std::string& text) override;
    void CountdownStarted(const std::string& powerOffTime) override;
    void CountdownEnded(CountdownEnd how) override;
    void MonitoringChanged(bool on) override;

private:
    QDBusConnection bus_;
    std::unique_ptr<BusControlObject> object_;
    bool serving_ = false;
};

/// The Status map's fields in the order --status prints them, with the bus types.
[[nodiscard]] QVariantMap StatusMap(const StatusReport& status);

}  // namespace tocklet
