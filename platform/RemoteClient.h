// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// A later start's side of the session bus: it calls the running program by its bus name.
// Usable before the application object exists (a private connection of its own).

#include <QDBusConnection>
#include <QVariantList>
#include <QVariantMap>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace tocklet {

class RemoteClient {
public:
    /// What became of a call.
    enum class Answer {
        kDone,        ///< the running program took it
        kNoInstance,  ///< no bus, or nobody holds the name or serves the object
        kSilent,      ///< the holder gave no answer in time
    };

    /// Connects to the session bus when one is named ($DBUS_SESSION_BUS_ADDRESS, or the
    /// user's bus in $XDG_RUNTIME_DIR); never starts one.
    RemoteClient();
    ~RemoteClient();
    RemoteClient(const RemoteClient&) = delete;
    RemoteClient& operator=(const RemoteClient&) = delete;

    [[nodiscard]] bool Connected() const;
    /// The process that holds the bus name; 0 when nobody does.
    [[nodiscard]] unsigned OwnerPid() const;
    /// Calls a method without results of the program's interface.
    [[nodiscard]] Answer Call(const QString& method, const QVariantList& args,
                              std::chrono::milliseconds timeout);
    /// Status(), or the reason there is none.
    [[nodiscard]] Answer Status(QVariantMap& status, std::chrono::milliseconds timeout);

private:
    QString name_;
    std::optional<QDBusConnection> bus_;
};

/// The lines --status prints: "name=value", one per field, in the interface's order;
/// booleans as true or false.
[[nodiscard]] std::vector<std::string> StatusLines(const QVariantMap& status);

}  // namespace tocklet
