// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The panel's part in the daily power-off: setting the time behind the password, showing it,
// and the check of each second that opens the countdown.
#include <QScopedValueRollback>

#include "platform/MessageBox.h"
#include "protection/ui/PasswordGate.h"
#include "resources/Templates.h"
#include "shell/MainPanelDlg.h"
#include "shutdown/ShutdownCheck.h"

namespace tocklet {

void CMainPanelDlg::OnSetShutdownTime() {
    if (RaiseOpenDialog({kShutdownTimeTemplateId, kPasswordPromptTemplateId})) return;
    if (!PassGate(m_settings, m_passwordPrompt.Get())) return;
    if (m_shutdownTimeDlg->DoModal(m_shutdownTime) != kIdOk) return;
    m_shutdownTime = m_shutdownTimeDlg->Time();
    ShowShutdownTime();
}

void CMainPanelDlg::ShowShutdownTime() {
    m_settings.m_strShutdownTime = FormatShutdownTime(m_shutdownTime);
    ApplyShutdownTimeText();
}

void CMainPanelDlg::CheckShutdownTime() {
    if (!m_bMonitoring || m_bShutdownCountdownOpen) return;
    if (!IsShutdownSecond(m_shutdownTime, m_tmNow)) return;
    SaveSettings();
    {
        // The ticks go on while the countdown is open; none of them opens another.
        const QScopedValueRollback<bool> open(m_bShutdownCountdownOpen, true);
        events_->CountdownStarted(FormatShutdownTime(m_shutdownTime));
        ScheduleSecondTicks();
        if (m_shutdownWarnDlg->DoModal() == kIdCancel) {
            // Escape cancels as "取消" does: either way, and after a power-off asked for that
            // did not come, the options below decide whether the time moves on.
        }
    }
    if (PostponesShutdown(m_nShutdownRepeats, m_settings.m_nRepeat)) {
        m_shutdownTime = PostponedShutdownTime(m_shutdownTime, m_settings.m_nDelayMinutes);
        ShowShutdownTime();
    }
    ++m_nShutdownRepeats;
    ScheduleSecondTicks();
}

}  // namespace tocklet
