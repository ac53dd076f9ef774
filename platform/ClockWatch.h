// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// News about the wall clock that timers on it cannot see by themselves: the clock was set
// (by hand, by NTP), or the machine goes to sleep or wakes from it. Each backend reports one of
// them.

#include <functional>

namespace tocklet {

class ClockWatch {
public:
    enum class Change { Set, Sleeping, Resumed };
    using Handler = std::function<void(Change)>;

    ClockWatch() = default;
    virtual ~ClockWatch() = default;
    ClockWatch(const ClockWatch&) = delete;
    ClockWatch& operator=(const ClockWatch&) = delete;

    /// Starts watching, every change going to handler from the event loop; an empty handler
    /// stops. A backend that cannot watch (no system bus) stays silent.
    virtual void Watch(Handler handler) = 0;
};

}  // namespace tocklet
