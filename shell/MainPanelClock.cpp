// The panel's side of the floating clock: showing and hiding it, and its digit colour.
#include <QCheckBox>
#include <string>

#include "clock/ClockColorDlg.h"
#include "clock/FloatClockDlg.h"
#include "controls/DialogBuilder.h"
#include "platform/IniProfile.h"
#include "platform/MessageBox.h"
#include "platform/Text.h"
#include "settings/SettingsTable.h"
#include "shell/MainPanelDlg.h"

namespace tocklet {

void CMainPanelDlg::ApplyClockCheck() {
    const auto* box = ControlAs<QCheckBox>(this, kIdShowClock);
    // The old clock goes before a new one starts: both would drive the same face timer.
    m_pFloatClock.reset();
    if (box == nullptr || !box->isChecked()) return;
    m_pFloatClock =
        std::make_unique<CFloatClockDlg>(m_settings.m_clrClock, svc_.clock, svc_.clockTimers);
    m_pFloatClock->Create();
}

void CMainPanelDlg::OnClockCheck() { ApplyClockCheck(); }

void CMainPanelDlg::OnToggleClock() {
    if (auto* box = ControlAs<QCheckBox>(this, kIdShowClock)) box->setChecked(!box->isChecked());
    ApplyClockCheck();
}

void CMainPanelDlg::OnChangeClockColor() {
    CClockColorDlg dialog(this);
    const std::optional<int> chosen = dialog.DoModal();
    if (!chosen) return;
    if (!svc_.profile.WriteString(kIniSection, Stored(Setting::ClockColor).name,
                                  std::to_string(*chosen))) {
        // The colour still applies now; without the message it would silently be gone after
        // the next start.
        svc_.boxes.Show(Gb("时钟颜色未能保存,程序重新启动后将恢复原来的颜色"));
    }
    const auto* box = ControlAs<QCheckBox>(this, kIdShowClock);
    if (box != nullptr && box->isChecked()) OnToggleClock();
    m_settings.m_clrClock = dialog.ChosenColor();
    OnToggleClock();
}

}  // namespace tocklet
