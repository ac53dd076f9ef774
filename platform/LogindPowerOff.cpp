// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/LogindPowerOff.h"

#include <QDBusError>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <cstdio>

#include "login1_manager.h"

namespace tocklet {
namespace {

constexpr auto kService = "org.freedesktop.login1";
constexpr auto kPath = "/org/freedesktop/login1";
// polkit may keep the call waiting while the user decides; D-Bus's default 25 s would report
// a timeout for a request that is still being answered.
constexpr int kReplyTimeoutMs = 10 * 60 * 1000;

void Complain(const QString& what) {
    std::fprintf(stderr, "tocklet: power-off request failed: %s\n", qPrintable(what));
}

}  // namespace

void LogindPowerOff::RequestPowerOff() {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        Complain(QStringLiteral("no system bus (%1)").arg(bus.lastError().message()));
        return;
    }
    OrgFreedesktopLogin1ManagerInterface manager(QString::fromLatin1(kService),
                                                 QString::fromLatin1(kPath), bus);
    manager.setTimeout(kReplyTimeoutMs);
    auto* watcher = new QDBusPendingCallWatcher(manager.PowerOff(true), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [](QDBusPendingCallWatcher* finished) {
                const QDBusPendingReply<> reply = *finished;
                if (reply.isError()) {
                    Complain(reply.error().name() + QStringLiteral(": ") + reply.error().message());
                }
                finished->deleteLater();
            });
}

}  // namespace tocklet
