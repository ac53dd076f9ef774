// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The application object: builds the real services and the main panel and runs the panel for
// the life of the process.

namespace tocklet {

class BusInstanceSlot;

class CTockletApp {
public:
    /// instance: the slot of this user and display, held by this process; scripts reach the
    /// panel through it too.
    explicit CTockletApp(BusInstanceSlot& instance) : instance_(instance) {}
    CTockletApp(const CTockletApp&) = delete;
    CTockletApp& operator=(const CTockletApp&) = delete;

    /// Runs the program; returns false always, as the process ends after it (the value is the
    /// framework's convention, not an outcome).
    bool InitInstance();

private:
    BusInstanceSlot& instance_;
};

}  // namespace tocklet
