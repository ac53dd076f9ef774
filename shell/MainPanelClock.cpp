// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The panel's side of the floating clock: showing and hiding it, and its digit colour.
#include <QCheckBox>

#include "clock/ui/ClockColorDlg.h"
#include "clock/ui/FloatClockDlg.h"
#include "controls/DialogBuilder.h"
#include "resources/Templates.h"
#include "settings/ClockOptions.h"
#include "shell/MainPanelDlg.h"
#include "shell/SettingsMessages.h"

namespace tocklet {

void CMainPanelDlg::ApplyClockCheck() {
    // The old clock goes before a new one starts: both would drive the same face timer.
    m_pFloatClock.reset();
    if (!ControlAs<QCheckBox>(this, kIdShowClock)->isChecked()) return;
    m_pFloatClock =
        std::make_unique<CFloatClockDlg>(m_settings.m_clrClock, svc_.clock, svc_.clockTimers);
    m_pFloatClock->Create();
}

void CMainPanelDlg::OnClockCheck() { ApplyClockCheck(); }

void CMainPanelDlg::OnToggleClock() {
    auto* box = ControlAs<QCheckBox>(this, kIdShowClock);
    box->setChecked(!box->isChecked());
    ApplyClockCheck();
}

void CMainPanelDlg::OnChangeClockColor() {
    if (RaiseOpenDialog({kClockColorTemplateId})) return;
    CClockColorDlg dialog(this);
    const std::optional<int> chosen = dialog.DoModal();
    if (!chosen) return;
    // The colour still applies now; the message tells that it is gone after the next start.
    ShowNotices(svc_.boxes, ClockColorMessages(WriteClockColor(svc_.profile, *chosen)));
    if (ControlAs<QCheckBox>(this, kIdShowClock)->isChecked()) OnToggleClock();
    m_settings.m_clrClock = dialog.ChosenColor();
    OnToggleClock();
}

}  // namespace tocklet
