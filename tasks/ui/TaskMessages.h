// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// What the user is told about the task store's results.

#include <vector>

#include "platform/MessageBox.h"
#include "settings/SettingsTable.h"
#include "tasks/TaskStore.h"

namespace tocklet {

/// After "存入": a refusal, or the key and value failures followed by nothing, or the
/// confirmation that the task was saved.
[[nodiscard]] std::vector<Notice> AppendNotices(const AppendResult& result);

/// After the list was rewritten: the key that could not be opened, else one message when any
/// value could not be written (the stored list and "happen" may then disagree).
[[nodiscard]] std::vector<Notice> RewriteNotices(const SettingsReport& report);

}  // namespace tocklet
