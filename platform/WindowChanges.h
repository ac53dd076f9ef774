// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Word from the window system that the desktop's top-level windows may have changed, so that
// whoever looks at them looks again then, rather than once a second on a clock.

#include <functional>

namespace tocklet {

/// Tells, from the event loop, each time the desktop's top-level windows may have changed: a
/// window appeared or was shown, or was renamed or given another class.
class WindowChanges {
public:
    WindowChanges() = default;
    virtual ~WindowChanges() = default;
    WindowChanges(const WindowChanges&) = delete;
    WindowChanges& operator=(const WindowChanges&) = delete;

    /// Starts telling onChange: once soon after the start, for the windows there already, then
    /// after changes (changes close together may be told once). False when no word of changes
    /// can be had here, and then nothing is told. A running watch goes on with the new onChange.
    [[nodiscard]] virtual bool Start(std::function<void()> onChange) = 0;

    /// Stops telling; nothing is told once it has returned.
    virtual void Stop() = 0;

    /// True while changes are told: after a Start that succeeded, until Stop or until the
    /// window system was lost (which is told once more, as a change).
    [[nodiscard]] virtual bool Watching() const = 0;
};

}  // namespace tocklet
