// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The rules of the settings password, with no window in sight: which typed text a prompt lets
// through, when a change may be stored, what the protection switch and the gate do.

#include <cstddef>
#include <functional>
#include <string_view>

namespace tocklet {

/// Longest password in bytes of code page 936.
inline constexpr std::size_t kPasswordMaxBytes = 10;

/// Submissions one opening of the prompt allows.
inline constexpr int kPromptSubmissions = 3;

/// What a refused submission is told (UTF-8).
inline constexpr std::string_view kPasswordRefusedText = "   密码错误,你无权进行此项操作 !  ";

/// True when typed opens the gate: it equals the stored password byte for byte. While no
/// password is stored (empty), every input is let through, the empty one included.
[[nodiscard]] bool PasswordAccepted(std::string_view stored, std::string_view typed);

/// True when the change may be stored: old equals the current password, and the new one
/// equals its confirmation (exact, case-sensitive comparisons).
[[nodiscard]] bool PasswordChangeAllowed(std::string_view current, std::string_view old,
                                         std::string_view newPassword, std::string_view confirm);

/// Asks for the password and returns nonzero when it was given.
using AskFunction = std::function<int()>;

/// True when a guarded operation may run: protection is off, or ask() accepts.
[[nodiscard]] bool GateOpen(bool usePassword, const AskFunction& ask);

/// The protection switch after a click on its check box, whose state has already flipped to
/// nowChecked. Checking turns protection on without asking. Clearing shows the check again at
/// once (showCheck(true)), then asks; only when ask() accepts is the check cleared
/// (showCheck(false)) and protection turned off. Returns whether protection is on now, which
/// always matches the check shown.
[[nodiscard]] bool SwitchProtection(bool nowChecked, const std::function<void(bool)>& showCheck,
                                    const AskFunction& ask);

}  // namespace tocklet
