// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Which of the add-task dialog's controls are usable: none but the two action radios when it
// opens, then what each radio's click enables and disables.

#include <vector>

#include "resources/AddTaskIds.h"

namespace tocklet {

/// The controls disabled when the dialog opens: everything but the two action radios (and the
/// spin arrows, which only matter once their edits are enabled).
[[nodiscard]] const std::vector<int>& InitiallyDisabledControls();

/// The controls a click on one of the five radios enables and disables.
struct Enabling {
    std::vector<int> enabled;
    std::vector<int> disabled;
};
[[nodiscard]] Enabling EnablingAfterClick(int radioId);

}  // namespace tocklet
