// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The panel in the desktop session: the session manager's end request and a later start's
// request to show the panel.
#include "protection/ui/SessionEndGate.h"
#include "shell/MainPanelDlg.h"

namespace tocklet {

void CMainPanelDlg::AnswerSessionEnd(SessionEndQuery& query) {
    tocklet::AnswerSessionEnd(query, m_settings.m_bUsePassword,
                              [this] { return OnQueryEndSession(); });
}

void CMainPanelDlg::ShowForLaterStart() {
    showNormal();  // as the icon menu's 系统参数设置 does
    raise();
    activateWindow();
}

}  // namespace tocklet
