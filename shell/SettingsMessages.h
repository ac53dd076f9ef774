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
std::vector<Notice> StartupReadMessages(const StartupValues& values);

/// The first-run writes: the CurrentVersion key and "new"; the autostart entry is silent.
std::vector<Notice> FirstRunMessages(const SettingsReport& report);

/// LoadOptions: the program key and each of the three values.
std::vector<Notice> LoadOptionsMessages(const SettingsReport& report);

/// SaveSettings and SaveOptions: the program key, and each value but "UsePas", whose key and
/// value are silent.
std::vector<Notice> SaveMessages(const SettingsReport& report);

}  // namespace tocklet
