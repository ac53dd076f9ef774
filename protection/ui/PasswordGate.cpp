// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "protection/ui/PasswordGate.h"

#include <QAbstractButton>

#include "protection/PasswordRules.h"
#include "protection/ui/PasswordPromptDlg.h"
#include "settings/PanelSettings.h"

namespace tocklet {

int AskPassword(CPasswordPromptDlg& prompt, std::string_view password) {
    return prompt.DoModal(password);
}

bool PassGate(const PanelSettings& settings, CPasswordPromptDlg& prompt) {
    return GateOpen(settings.m_bUsePassword,
                    [&] { return AskPassword(prompt, settings.m_strPassword); });
}

void OnUsePasswordClicked(QAbstractButton& box, PanelSettings& settings,
                          CPasswordPromptDlg& prompt) {
    settings.m_bUsePassword = SwitchProtection(
        box.isChecked(), [&box](bool checked) { box.setChecked(checked); },
        [&] { return AskPassword(prompt, settings.m_strPassword); });
}

}  // namespace tocklet
