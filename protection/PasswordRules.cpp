// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "protection/PasswordRules.h"

namespace tocklet {

bool PasswordAccepted(std::string_view stored, std::string_view typed) {
    // Before a password was ever set there is nothing to compare with. Otherwise the whole
    // text counts: a stored password followed by anything else is a different password.
    return stored.empty() || typed == stored;
}

bool PasswordChangeAllowed(std::string_view current, std::string_view old,
                           std::string_view newPassword, std::string_view confirm) {
    return confirm == newPassword && old == current;
}

bool GateOpen(bool usePassword, const AskFunction& ask) { return !usePassword || ask() != 0; }

bool SwitchProtection(bool nowChecked, const std::function<void(bool)>& showCheck,
                      const AskFunction& ask) {
    if (nowChecked) return true;
    // Protection stays on, and visibly so, until the password has been given.
    showCheck(true);
    if (ask() == 0) return true;
    showCheck(false);
    return false;
}

}  // namespace tocklet
