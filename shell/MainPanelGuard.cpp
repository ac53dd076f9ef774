// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The panel's part in keeping the Control Panel closed, and the owner editor.
#include <QCheckBox>

#include "controls/DialogBuilder.h"
#include "resources/Templates.h"
#include "shell/MainPanelDlg.h"

namespace tocklet {

void CMainPanelDlg::ConnectGuardControls() {
    connect(ControlAs<QAbstractButton>(this, kIdUserInfo), &QAbstractButton::clicked, this,
            &CMainPanelDlg::OnUserInfo);
    // Checking the box turns protection on without asking; this runs after the switch itself.
    connect(ControlAs<QCheckBox>(this, kIdUsePassword), &QCheckBox::clicked, this,
            [this](bool checked) {
                FollowProtection();
                if (checked) m_guard.SayIfBlind();
            });
}

void CMainPanelDlg::FollowProtection() {
    m_guard.Follow(m_settings.m_bUsePassword, [this] {
        if (m_settings.m_bUsePassword) RunControlPanelGuard();
        // A lost watch is told as a last change: the once-a-second pass then takes over.
        ScheduleSecondTicks();
    });
    ScheduleSecondTicks();
}

void CMainPanelDlg::RunControlPanelGuard() {
    // The panel's own window, when it has one yet; the guard raises and activates it.
    m_guard.RunPass(static_cast<WindowId>(internalWinId()));
}

void CMainPanelDlg::OnUserInfo() {
    if (RaiseOpenDialog({kUserInfoTemplateId})) return;
    if (m_userInfoDlg->DoModal() == kIdOk) {
        // The editor stored the names and said what could not be stored; the panel shows
        // neither name, so sending and cancelling leave it as it was.
    }
}

}  // namespace tocklet
