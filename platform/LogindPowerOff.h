// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Power-off through systemd-logind: PowerOff(interactive = true) of org.freedesktop.login1.Manager
// at /org/freedesktop/login1 on the system bus (DBUS_SYSTEM_BUS_ADDRESS when set), which is
// connected to only when the first request is made. Interactive, so polkit may ask the user to
// confirm. The call is asynchronous; its failure is written to standard error when the reply
// comes.

#include <QObject>

#include "platform/PowerOff.h"

namespace tocklet {

class LogindPowerOff final : public QObject, public PowerOff {
    Q_OBJECT
public:
    explicit LogindPowerOff(QObject* parent = nullptr) : QObject(parent) {}

    void RequestPowerOff() override;
};

}  // namespace tocklet
