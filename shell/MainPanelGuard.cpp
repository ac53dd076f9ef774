// The panel's part in keeping the Control Panel closed, and the owner editor.
#include "shell/MainPanelDlg.h"

namespace tocklet {

void CMainPanelDlg::RunControlPanelGuard() {
    // The panel's own window, when it has one yet; the guard raises and activates it.
    m_guard.RunPass(static_cast<WindowId>(internalWinId()));
}

void CMainPanelDlg::OnUserInfo() { m_userInfoDlg.DoModal(); }

}  // namespace tocklet
