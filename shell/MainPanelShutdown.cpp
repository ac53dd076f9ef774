// The panel's part in the daily power-off: setting the time behind the password, showing it,
// and the check of each second that opens the countdown.
#include "protection/PasswordGate.h"
#include "shell/MainPanelDlg.h"

namespace tocklet {

void CMainPanelDlg::OnSetShutdownTime() {
    if (!PassGate(m_settings, m_passwordPrompt)) return;
    if (m_shutdownTimeDlg.DoModal(m_shutdown.Time()) != kIdOk) return;
    m_shutdown.SetTime(m_shutdownTimeDlg.Time());
    ShowShutdownTime();
}

void CMainPanelDlg::ShowShutdownTime() {
    m_settings.m_strShutdownTime = FormatShutdownTime(m_shutdown.Time());
    ApplyShutdownTimeText();
}

void CMainPanelDlg::CheckShutdownTime() {
    if (!m_bMonitoring || !m_shutdown.IsDue(m_tmNow)) return;
    store_.SaveSettings(m_settings);
    {
        const CountdownScope open = m_shutdown.OpenCountdown();
        m_shutdownWarnDlg.DoModal();
    }
    if (m_shutdown.AfterCountdown(m_settings.m_nDelayMinutes, m_settings.m_nRepeat)) {
        ShowShutdownTime();
    }
}

}  // namespace tocklet
