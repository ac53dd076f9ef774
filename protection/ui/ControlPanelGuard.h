// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Keeps the Control Panel closed while password protection is on: once a second every
// top-level window titled exactly "控制面板" is asked to close and the user is told that only
// an administrator may open it.

#include <set>
#include <string>

#include "platform/MessageBox.h"
#include "platform/TopLevelWindows.h"

namespace tocklet {

/// The title the guard closes, in code page 936.
[[nodiscard]] std::string ControlPanelTitle();

class ControlPanelGuard {
public:
    ControlPanelGuard(TopLevelWindows& windows, MessageBoxes& boxes)
        : windows_(windows), boxes_(boxes), title_(ControlPanelTitle()) {}
    ControlPanelGuard(const ControlPanelGuard&) = delete;
    ControlPanelGuard& operator=(const ControlPanelGuard&) = delete;

    /// One pass over the desktop, for a tick while protection is on: each window titled
    /// exactly "控制面板" is handled by CloseControlPanel, and after each answer the list is
    /// taken afresh, so that a window that went meanwhile is not asked. A window whose message
    /// is still open (this pass runs inside it) is passed over: it is asked again only after
    /// that answer. " 内部发生错误!" when the window list cannot be had, never twice at once.
    /// In a session that hides other programs' windows the pass does nothing.
    void RunPass(WindowId panel);

    /// For protection switched on, or found on at start: in a session that hides other
    /// programs' windows, says that the Control Panel cannot be kept closed there.
    void SayIfBlind();

private:
    /// In this order: panel to the front, the close request (not waited for), panel active,
    /// the message "  非管理员不能进入控制面板 " until it is answered.
    void CloseControlPanel(WindowId window, WindowId panel);

    TopLevelWindows& windows_;
    MessageBoxes& boxes_;
    std::set<WindowId> openMessages_;  ///< matched windows whose message is showing
    bool errorOpen_ = false;
    std::string title_;  ///< "控制面板" in code page 936
};

}  // namespace tocklet
