// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The desktop's top-level windows as the program sees them: the windows a user can see, each
// with its title and class, and the requests the program may make of them.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tocklet {

/// A top-level window of any program on the desktop; 0 is never a window.
using WindowId = std::uint64_t;

/// The longest title text kept, in bytes (a title is read into 120 bytes with its zero byte).
inline constexpr std::size_t kWindowTitleBytes = 119;

struct TopLevelWindow {
    WindowId id = 0;
    /// Code page 936 bytes, at most kWindowTitleBytes (longer titles are cut; a character
    /// without a code page 936 form reads as '?').
    std::string title;
    /// The two names of the window's class (WM_CLASS): the program's own name and its class,
    /// plain ASCII as a rule, code page 936 otherwise like the title; empty when unset.
    std::string instanceName;
    std::string className;
};

/// Lists the desktop's top-level windows with their titles and asks them to close, raise or
/// take the focus, without waiting for them.
class TopLevelWindows {
public:
    TopLevelWindows() = default;
    virtual ~TopLevelWindows() = default;
    TopLevelWindows(const TopLevelWindows&) = delete;
    TopLevelWindows& operator=(const TopLevelWindows&) = delete;

    /// False when this session keeps other programs' windows from the program (a Wayland
    /// desktop without X11): List then never has them.
    [[nodiscard]] virtual bool CanSeeOtherWindows() = 0;

    /// The windows shown on the desktop now (minimised ones included, helper windows that are
    /// never shown left out), the topmost first; nullopt when the list cannot be had.
    [[nodiscard]] virtual std::optional<std::vector<TopLevelWindow>> List() = 0;

    /// Asks window to close, as its close box would, and returns at once; false when the
    /// window is gone or takes no such request.
    [[nodiscard]] virtual bool RequestClose(WindowId window) = 0;

    /// Raises a shown window above the others and gives it the focus; a hidden one is left as
    /// it is.
    virtual void BringToFront(WindowId window) = 0;

    /// Gives a shown window the focus; a hidden one is left as it is.
    virtual void Activate(WindowId window) = 0;
};

}  // namespace tocklet
