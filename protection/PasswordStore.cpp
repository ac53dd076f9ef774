// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "protection/PasswordStore.h"

namespace tocklet {

SettingsReport StoreFirstPassword(Registry& reg, std::string_view password) {
    return WriteStoredValues(reg, {{Setting::FirstPassword, password}});
}

SettingsReport WriteChangedPassword(Registry& reg, std::string_view password) {
    return WriteStoredValues(reg, {{Setting::ChangedPassword, password}});
}

}  // namespace tocklet
