#pragma once
// Power-off through systemd-logind: PowerOff(interactive = true) of org.freedesktop.login1.Manager
// at /org/freedesktop/login1 on the system bus (DBUS_SYSTEM_BUS_ADDRESS when set). Interactive,
// so polkit may ask the user to confirm. The call is asynchronous; its failure is written to
// standard error when the reply comes.

#include <QDBusConnection>
#include <QObject>

#include "platform/PowerOff.h"

namespace tocklet {

class LogindPowerOff final : public QObject, public PowerOff {
    Q_OBJECT
public:
    /// Requests go over bus (the system bus unless told otherwise).
    explicit LogindPowerOff(QDBusConnection bus = QDBusConnection::systemBus(),
                            QObject* parent = nullptr);

    void RequestPowerOff() override;

private:
    QDBusConnection bus_;
};

}  // namespace tocklet
