// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Keeps the Control Panel closed while password protection is on: every top-level window
// titled exactly "控制面板", or of a desktop's settings program, is asked to close and the user
// is told that only an administrator may open it. The desktop is looked at again when the
// window system says its windows changed, or once a second where it says nothing.

#include <functional>
#include <set>

#include "platform/MessageBox.h"
#include "platform/TopLevelWindows.h"
#include "platform/WindowChanges.h"
#include "protection/GuardedWindows.h"

namespace tocklet {

/// The desktops' settings programs and the classes the administrator added in their folders.
[[nodiscard]] GuardedWindows AdministeredGuardedWindows();

class ControlPanelGuard {
public:
    ControlPanelGuard(TopLevelWindows& windows, WindowChanges& changes, MessageBoxes& boxes,
                      GuardedWindows guarded = GuardedWindows())
        : windows_(windows), changes_(changes), boxes_(boxes), guarded_(std::move(guarded)) {}
    ~ControlPanelGuard();
    ControlPanelGuard(const ControlPanelGuard&) = delete;
    ControlPanelGuard& operator=(const ControlPanelGuard&) = delete;

    /// Protection as it is now, at start and after each switch: while it is on, the window
    /// system's word that the windows changed goes to onChange (the caller runs a pass then);
    /// while it is off, the guard listens to nothing.
    void Follow(bool protectionOn, std::function<void()> onChange);

    /// True while the guard is followed but gets no word of changes from a window system that
    /// does show other programs' windows: then only a pass every second finds a Control Panel.
    [[nodiscard]] bool NeedsSecondScan();

    /// One pass over the desktop while protection is on: each window that matches is handled
    /// by CloseControlPanel, and after each answer the list is taken afresh, so that a window
    /// that went meanwhile is not asked. A window whose message is still open (this pass runs
    /// inside it) is passed over: it is asked again only after that answer. " 内部发生错误!"
    /// when the window list cannot be had, never twice at once. In a session that hides other
    /// programs' windows the pass does nothing.
    void RunPass(WindowId panel);

    /// For protection switched on, or found on at start: in a session that hides other
    /// programs' windows, says that the Control Panel cannot be kept closed there.
    void SayIfBlind();

private:
    /// In this order: panel to the front, the close request (not waited for), panel active,
    /// the message "  非管理员不能进入控制面板 " until it is answered.
    void CloseControlPanel(WindowId window, WindowId panel);

    TopLevelWindows& windows_;
    WindowChanges& changes_;
    MessageBoxes& boxes_;
    GuardedWindows guarded_;
    bool following_ = false;
    std::set<WindowId> openMessages_;  ///< matched windows whose message is showing
    bool errorOpen_ = false;
};

}  // namespace tocklet
