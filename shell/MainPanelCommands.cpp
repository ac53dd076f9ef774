// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The panel's commands: from its buttons, its menu bar and the notification icon's menu.
#include <QKeySequence>
#include <QMenuBar>
#include <utility>

#include "controls/MenuBuilder.h"
#include "platform/MessageBox.h"
#include "platform/Timers.h"
#include "protection/PasswordStore.h"
#include "protection/ui/PasswordGate.h"
#include "resources/Templates.h"
#include "shell/MainPanelDlg.h"
#include "tasks/ui/TaskMessages.h"

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
        case kCmdToggleClock:
            OnToggleClock();
            return true;
        case kCmdChangeClockColor:
            OnChangeClockColor();
            return true;
        default:
            return OnHelpCommand(command);
    }
}

void CMainPanelDlg::RunItem(QAction* action) {
    if (!OnCommand(CommandOf(action))) {
        // Items that stand for no command of the panel (日历 and 打印 on the toolbar) do
        // nothing when pressed.
    }
    // The chime, monitoring, the power-off time or the clock may have changed: the tick
    // plans its next wake-up on them.
    ScheduleSecondTicks();
}

void CMainPanelDlg::BindMenuKeys(QMenuBar& menuBar) {
    // The menu shows Ctrl+N and Ctrl+D in its own words; the keys do what the items do while
    // the panel is the active window.
    const std::pair<int, QKeySequence> keys[] = {
        {kCmdAddTasksMenu, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {kCmdDeleteTasksMenu, QKeySequence(Qt::CTRL | Qt::Key_D)},
    };
    // The window's shortcuts: they work wherever the focus is in the panel, the power-off time
    // edit included (its own control keys leave Ctrl+N and Ctrl+D alone).
    for (const auto& [command, key] : keys) {
        if (QAction* action = FindCommandAction(&menuBar, command)) action->setShortcut(key);
    }
}

void CMainPanelDlg::OnAddTasks() {
    if (RaiseOpenDialog({kAddTaskTemplateId})) return;
    taskDialogOpen_ = true;
    const int count = m_addTaskDlg->DoModal(m_settings.m_nTaskCount);
    taskDialogOpen_ = false;
    m_settings.m_nTasksAdded = count - m_settings.m_nTaskCount;
    if (m_settings.m_nTasksAdded > 0) {
        // The new instance, or this one when none starts, reads the whole list again.
        RemoveTrayIcon();
        SaveSettings();
        RestartSelf();
        return;
    }
    LookAtChangeSeenMeanwhile();
}

void CMainPanelDlg::OnDeleteTasks() {
    if (RaiseOpenDialog({kDeleteTaskTemplateId, kPasswordPromptTemplateId})) return;
    if (!PassGate(m_settings, m_passwordPrompt.Get())) return;
    taskDialogOpen_ = true;
    const int value = m_deleteTaskDlg->DoModal(m_tasks.DeleteRows());
    taskDialogOpen_ = false;
    if (value != 0 && !StoredTaskListIsLoaded()) {
        // The row chosen stands for a list that is no longer stored: deleting by its number
        // would hit another task and write the old list over the new one.
        ReloadTaskList();
        svc_.boxes.Tell(Gb(" 任务列表已被其它程序修改,这次没有删除任何任务,\n"
                           " 请再打开<删除废弃任务>重新选择. "),
                        Gb("守时鸟提示您"));
        return;
    }
    LookAtChangeSeenMeanwhile();
    if (value == 0 || !m_tasks.DeleteTask(value)) return;
    m_settings.m_nTaskCount = m_tasks.TaskCount();
    SaveSettings();
    ShowNotices(svc_.boxes, RewriteNotices(m_tasks.RewriteTasks(m_settings.m_nTasksAdded)));
    if (!StartSuccessor()) return;
    RemoveTrayIcon();
    done(kIdOk);
}

void CMainPanelDlg::ExitProgram() {
    if (RaiseOpenDialog({kPasswordPromptTemplateId})) return;
    if (!PassGate(m_settings, m_passwordPrompt.Get())) return;
    // Saved behind the password too: otherwise the changes since the last save, protection
    // switched on in this run among them, would be gone at the next start.
    SaveSettings();
    RemoveTrayIcon();
    svc_.timers.Kill(kTimerSecond);
    done(kIdOk);
}

void CMainPanelDlg::OnChangePassword() {
    if (RaiseOpenDialog({kChangePasswordTemplateId})) return;
    const std::optional<std::string> fresh = m_changePasswordDlg->DoModal(m_settings.m_strPassword);
    if (!fresh) return;
    m_settings.m_strPassword = *fresh;
    if (WriteChangedPassword(svc_.registry, *fresh).Ok()) {
        svc_.boxes.Tell(Gb(" 密码更新成功,请您记住新密码"), Gb("守时鸟提示"), MbIcon::Question);
        return;
    }
    // Silence here would let the user believe in a password that is gone at the next start.
    svc_.boxes.Tell(Gb(" 新密码没有保存成功,只在本次运行中有效,\n 下次启动后仍须使用原来的密码 "));
}

bool CMainPanelDlg::OnQueryEndSession() {
    // The prompt open for another command is brought to the front, and the session waits:
    // it may end once the password has been given.
    if (m_settings.m_bUsePassword && RaiseOpenDialog({kPasswordPromptTemplateId})) return false;
    return PassGate(m_settings, m_passwordPrompt.Get());
}

}  // namespace tocklet
