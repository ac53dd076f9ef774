// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// What the countdown tells the user about the run marker it writes before the power-off
// request ("Config" "run" = "0"): for each failure, in the order they happened, its message.

#include <vector>

#include "platform/MessageBox.h"
#include "settings/SettingsTable.h"

namespace tocklet {

/// "  保存数据失败!  " when key "Config" could not be opened, "Fail to set path value" when
/// "run" could not be set (after an unopened key as well); nothing when it was written.
[[nodiscard]] std::vector<Notice> RunFlagMessages(const SettingsReport& report);

}  // namespace tocklet
