// The panel's commands: from its buttons, its menu bar and the notification icon's menu.
#include "platform/SelfLauncher.h"
#include "platform/Timers.h"
#include "protection/PasswordGate.h"
#include "protection/PasswordStore.h"
#include "shell/MainPanelDlg.h"

namespace tocklet {

bool CMainPanelDlg::OnCommand(int command) {
    switch (command) {
        case kCmdShowPanel:
            showNormal();
            return true;
        case kCmdToggleChime:
        case kCmdToggleChimeMenu:
            OnToggleChime();
            return true;
        case kCmdPauseMonitoring:
            SetMonitoring(false);
            return true;
        case kCmdResumeMonitoring:
            SetMonitoring(true);
            return true;
        case kCmdAddTasksMenu:
            OnAddTasks();
            return true;
        case kCmdDeleteTasksMenu:
        case kCmdDeleteTasksToolbar:
            OnDeleteTasks();
            return true;
        case kCmdSetShutdownTimeMenu:
        case kCmdSetShutdownTimeIconMenu:
            OnSetShutdownTime();
            return true;
        case kCmdExitMenu:
        case kCmdExitIconMenu:
            ExitProgram();
            return true;
        default:
            return false;
    }
}

void CMainPanelDlg::OnAddTasks() {
    m_addTaskDlg.m_nTaskCount = m_settings.m_nTaskCount;
    m_addTaskDlg.m_nSavedCount = 0;
    m_addTaskDlg.DoModal();
    m_settings.m_nTasksAdded = m_addTaskDlg.m_nTaskCount - m_settings.m_nTaskCount;
    if (m_settings.m_nTasksAdded > 0) {
        RemoveTrayIcon();
        store_.SaveSettings(m_settings);
        RestartSelf();
    }
}

void CMainPanelDlg::OnDeleteTasks() {
    if (!PassGate(m_settings, m_passwordPrompt)) return;
    m_deleteTaskDlg.SetRows(m_tasks.DeleteRows());
    if (m_deleteTaskDlg.DoModal() != kIdOk || m_deleteTaskDlg.m_nDeletedValue == 0) return;
    if (!m_tasks.DeleteTask(m_deleteTaskDlg.m_nDeletedValue)) return;
    m_settings.m_nTaskCount = m_tasks.m_nTaskCount;
    store_.SaveSettings(m_settings);
    m_tasks.RewriteTasks(m_settings.m_nTasksAdded);
    svc_.self.StartNewInstance();
    RemoveTrayIcon();
    done(kIdOk);
}

void CMainPanelDlg::ExitProgram() {
    if (m_settings.m_bUsePassword) {
        // Behind the password the program ends without saving what changed since the last save.
        if (!PassGate(m_settings, m_passwordPrompt)) return;
    } else {
        store_.SaveSettings(m_settings);
    }
    RemoveTrayIcon();
    svc_.timers.Kill(kTimerSecond);
    done(kIdOk);
}

void CMainPanelDlg::OnChangePassword() {
    m_changePasswordDlg.m_strPassword = m_settings.m_strPassword;
    m_changePasswordDlg.DoModal();
    if (m_changePasswordDlg.m_bChanged == 1) {
        m_settings.m_strPassword = m_changePasswordDlg.m_strPassword;
        SaveChangedPassword(svc_.registry, svc_.boxes, m_settings.m_strPassword);
    }
}

bool CMainPanelDlg::OnQueryEndSession() { return PassGate(m_settings, m_passwordPrompt); }

}  // namespace tocklet
