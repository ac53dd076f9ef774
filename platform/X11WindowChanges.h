// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Changes of the desktop's top-level windows on an X11 display, from the X server's own events
// on a connection of this watch's own (xcb), read when its socket has something: windows
// created, mapped or listed anew by the window manager (_NET_CLIENT_LIST) on the root, and the
// title and class properties (WM_NAME, _NET_WM_NAME, WM_CLASS) of the root's children and of
// the manager's clients.

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/WindowChanges.h"

namespace tocklet {

class X11WindowChanges final : public WindowChanges {
public:
    /// Watches displayName, or $DISPLAY when it is null; connects at Start.
    explicit X11WindowChanges(const char* displayName = nullptr);
    ~X11WindowChanges() override;

    [[nodiscard]] bool Start(std::function<void()> onChange) override;
    void Stop() override;
    [[nodiscard]] bool Watching() const override;

private:
    struct Connection;
    void OnReadable();
    /// Tells onChange from the event loop, once for any number of calls before it runs.
    void Tell();

    std::optional<std::string> displayName_;
    std::unique_ptr<Connection> x_;
    std::unique_ptr<QObject> context_;  ///< owns the socket's notifier and the pending telling
    QSocketNotifier* notifier_ = nullptr;
    std::function<void()> onChange_;
    bool pending_ = false;
};

}  // namespace tocklet
