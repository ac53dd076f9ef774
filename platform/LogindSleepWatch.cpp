// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/LogindSleepWatch.h"

#include <QDBusConnection>

namespace tocklet {

void LogindSleepWatch::Watch(Handler handler) {
    handler_ = std::move(handler);
    if (!handler_ || connected_) return;
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) return;
    connected_ = bus.connect(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"), this,
        SLOT(OnPrepareForSleep(bool)));
}

void LogindSleepWatch::OnPrepareForSleep(bool start) {
    Handler handler = handler_;
    if (handler) handler(start ? Change::Sleeping : Change::Resumed);
}

}  // namespace tocklet
