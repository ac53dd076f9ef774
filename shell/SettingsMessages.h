// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// What the panel tells the user about its settings operations: for each failure a store
// reported, the message it shows (default caption), in the order the failures happened.
// Failures without a message here are not shown.

#include <string_view>
#include <vector>

#include "platform/MessageBox.h"
#include "settings/SettingsStore.h"

namespace tocklet {

/// The start-up read: only a CurrentVersion key that cannot be opened is shown.
[[nodiscard]] std::vector<Notice> StartupReadMessages(const StartupValues& values);

/// The first-run writes: the CurrentVersion key and "new"; the autostart entry is silent.
[[nodiscard]] std::vector<Notice> FirstRunMessages(const SettingsReport& report);

/// LoadOptions: the program key and each of the three values.
[[nodiscard]] std::vector<Notice> LoadOptionsMessages(const SettingsReport& report);

/// SaveSettings and SaveOptions: the program key, and each value but "UsePas", whose key and
/// value are silent.
[[nodiscard]] std::vector<Notice> SaveMessages(const SettingsReport& report);

/// The clock colour write: a colour that could not be stored applies only until the program
/// ends, which the user is told.
[[nodiscard]] std::vector<Notice> ClockColorMessages(const SettingsReport& report);

}  // namespace tocklet
