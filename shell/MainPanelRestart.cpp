// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The panel's restarts (after tasks were added or deleted, and after Escape), and what it does
// when the new instance cannot start: it stays, says why, and loads what the restart was for.
#include <iostream>

#include "platform/MessageBox.h"
#include "platform/SelfLauncher.h"
#include "platform/SystemResult.h"
#include "shell/MainPanelDlg.h"
#include "store/Text.h"

namespace tocklet {
namespace {

// The program file in the message: in code page 936 when it can be, else its own bytes.
std::string ShownPath(const std::string& path) { return TryUtf8ToGb(path).value_or(path); }

std::string RestartFailedText(const SystemResult& failed) {
    return Gb(" 无法重新启动守时鸟,程序文件不存在或不能运行:\n   ") + ShownPath(failed.path) +
           Gb("\n 守时鸟将继续工作,任务已经重新载入. ");
}

}  // namespace

void CMainPanelDlg::RestartSelf() {
    if (StartSuccessor()) done(kIdOk);
}

void CMainPanelDlg::RestartAfterEscape() {
    // As the icon goes before every restart; it comes back if this instance has to stay.
    RemoveTrayIcon();
    if (StartSuccessor()) done(kIdCancel);
}

bool CMainPanelDlg::StartSuccessor() {
    const SystemResult started = svc_.self.StartNewInstance();
    if (started.Ok()) return true;
    RunOnAfterFailedRestart(started);
    return false;
}

void CMainPanelDlg::RunOnAfterFailedRestart(const SystemResult& failed) {
    // Ending now would leave nothing in the notification area and no task watched: this
    // instance takes the new one's part instead.
    std::cerr << "tocklet: cannot start a new instance: " << failed.Describe()
              << "; this one runs on with the task list read again\n";
    ReloadTaskList();
    AddTrayIcon();
    UpdateTrayIcon();
    svc_.boxes.Tell(RestartFailedText(failed), Gb("守时鸟向您提示"), MbIcon::Question);
}

void CMainPanelDlg::ReloadTaskList() {
    // What the new instance would have loaded: the count as stored, then the tasks up to it,
    // the tasks added since the start among them.
    m_settings.m_nTaskCount = store_.ReadTaskCount();
    m_settings.m_nTasksAdded = 0;
    ReadTaskTables();
    m_strTaskCountText = std::to_string(m_settings.m_nTaskCount);
    UpdateStatics();
}

}  // namespace tocklet
