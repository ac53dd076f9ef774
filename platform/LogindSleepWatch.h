// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The machine going to sleep and waking, as systemd-logind announces it: PrepareForSleep(b) of
// org.freedesktop.login1.Manager on the system bus (DBUS_SYSTEM_BUS_ADDRESS when set). With
// no system bus it stays silent; the timers then notice at their next wake-up.

#include <QObject>

#include "platform/ClockWatch.h"

namespace tocklet {

class LogindSleepWatch final : public QObject, public ClockWatch {
    Q_OBJECT
public:
    explicit LogindSleepWatch(QObject* parent = nullptr) : QObject(parent) {}

    void Watch(Handler handler) override;

private:
    Q_SLOT void OnPrepareForSleep(bool start);

    Handler handler_;
    bool connected_ = false;
};

}  // namespace tocklet
