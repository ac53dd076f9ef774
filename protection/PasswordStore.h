// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Where the settings password lives: value "pass" of the CurrentVersion key, plain text in
// the stored form of every setting (the text, then zero bytes up to a fixed count). The
// first-use dialog writes it with 10 bytes, a change with 11.

#include <string_view>

#include "settings/SettingsTable.h"
#include "store/Registry.h"

namespace tocklet {

/// The first-use store of the password (10 bytes, through the key's write spelling). Reports
/// the key and the value (Setting::FirstPassword).
[[nodiscard]] SettingsReport StoreFirstPassword(Registry& reg, std::string_view password);

/// Writes a changed password (11 bytes). Reports the key and the value
/// (Setting::ChangedPassword).
[[nodiscard]] SettingsReport WriteChangedPassword(Registry& reg, std::string_view password);

}  // namespace tocklet
