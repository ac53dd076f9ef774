// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The desktop's top-level windows on an X11 display, through Xlib on a connection of its own.
// With a window manager that keeps _NET_CLIENT_LIST the windows are its clients (minimised
// ones included); without one they are the root's children that are shown and not
// override-redirect (menus, tips). Titles come from _NET_WM_NAME, else WM_NAME, and the class
// from WM_CLASS. Closing sends WM_DELETE_WINDOW to windows that list it in WM_PROTOCOLS.

#include <memory>
#include <optional>
#include <string>

#include "platform/TopLevelWindows.h"

namespace tocklet {

class X11TopLevelWindows final : public TopLevelWindows {
public:
    /// Connects to displayName, or to $DISPLAY when it is null, at the first question; without
    /// a reachable display nothing can be seen.
    explicit X11TopLevelWindows(const char* displayName = nullptr);
    ~X11TopLevelWindows() override;

    [[nodiscard]] bool CanSeeOtherWindows() override;
    [[nodiscard]] std::optional<std::vector<TopLevelWindow>> List() override;
    [[nodiscard]] bool RequestClose(WindowId window) override;
    void BringToFront(WindowId window) override;
    void Activate(WindowId window) override;

private:
    struct Connection;
    [[nodiscard]] Connection& Connected();

    std::optional<std::string> displayName_;
    std::unique_ptr<Connection> x_;
};

}  // namespace tocklet
