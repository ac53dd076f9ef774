// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The panel's check boxes for the hourly chime and for monitoring, and their menu commands.
#include <QAbstractButton>
#include <QCheckBox>
#include <utility>

#include "clock/Chime.h"
#include "controls/DialogBuilder.h"
#include "platform/MessageBox.h"
#include "shell/MainPanelDlg.h"

namespace tocklet {
namespace {

bool IsChecked(QWidget* panel, int id) {
    return ControlAs<QAbstractButton>(panel, id)->isChecked();
}

}  // namespace

void CMainPanelDlg::OnChimeCheck() {
    m_settings.m_bChimeOn = IsChecked(this, kIdChimeOn);
    ControlById(this, kIdChimeSound)->setEnabled(m_settings.m_bChimeOn);
    ControlById(this, kIdChimeText)->setEnabled(m_settings.m_bChimeOn);
}

void CMainPanelDlg::OnToggleChime() {
    m_settings.m_bChimeOn = !m_settings.m_bChimeOn;
    svc_.boxes.Tell(m_settings.m_bChimeOn ? ChimeSwitchedOnText() : ChimeSwitchedOffText(),
                    ChimeSwitchCaption(), MbIcon::Question);
    // Set from code: the subordinate boxes keep their enabled state.
    ControlAs<QCheckBox>(this, kIdChimeOn)->setChecked(m_settings.m_bChimeOn);
}

void CMainPanelDlg::OnChimeSoundCheck() {
    m_settings.m_bChimeSound = IsChecked(this, kIdChimeSound);
}

void CMainPanelDlg::OnChimeTextCheck() { m_settings.m_bChimeText = IsChecked(this, kIdChimeText); }

void CMainPanelDlg::OnMonitoringCheck() {
    const bool was = m_bMonitoring;
    const bool on = IsChecked(this, kIdMonitoring);
    if (on && !m_bMonitoring) m_checkLog.Forget();
    m_bMonitoring = on;
    UpdateTrayIcon();
    if (m_bMonitoring != was) events_->MonitoringChanged(m_bMonitoring);
}

void CMainPanelDlg::SetMonitoring(bool on) {
    const bool was = m_bMonitoring;
    // Minutes of a pause are not missed ones: nothing before the resume is shown late.
    if (on && !m_bMonitoring) m_checkLog.Forget();
    m_bMonitoring = on;
    ControlAs<QCheckBox>(this, kIdMonitoring)->setChecked(on);
    UpdateTrayIcon();
    if (on != was) events_->MonitoringChanged(on);
}

}  // namespace tocklet
