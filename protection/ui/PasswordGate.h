// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The password gate of the guarded operations and the protection switch of the main panel,
// on top of the prompt dialog.

#include <string_view>

class QAbstractButton;

namespace tocklet {

class CPasswordPromptDlg;
struct PanelSettings;

/// Hands password to the prompt, runs it modally and returns its outcome (1 accepted, 0 not).
[[nodiscard]] int AskPassword(CPasswordPromptDlg& prompt, std::string_view password);

/// True when a guarded operation may run: protection is off (no prompt), or the prompt
/// accepted settings.m_strPassword.
[[nodiscard]] bool PassGate(const PanelSettings& settings, CPasswordPromptDlg& prompt);

/// The click handler of the protection check box (its state has already flipped): checking
/// turns protection on without asking; clearing puts the check back, asks, and turns
/// protection off and clears the check only when the prompt accepts. Connect it to the box's
/// clicked signal; it sets the check with setChecked, which sends no further click.
void OnUsePasswordClicked(QAbstractButton& box, PanelSettings& settings,
                          CPasswordPromptDlg& prompt);

}  // namespace tocklet
