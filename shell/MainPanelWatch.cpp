// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The task list changed outside the panel (tocklet-reg, an import): read again in place, as
// after a restart, so that the new list is watched without one.
#include <iostream>

#include "shell/MainPanelDlg.h"

namespace tocklet {

void CMainPanelDlg::OnRegistryFileChanged() {
    // The start-up sequence reads the list itself.
    if (!taskListLoaded_) return;
    // The open dialog's rows and counts stand for the loaded list; it decides when it closes.
    if (taskDialogOpen_) {
        changeSeenMeanwhile_ = true;
        return;
    }
    changeSeenMeanwhile_ = false;
    // This panel's own writes (settings, password, names) leave the list as loaded.
    if (StoredTaskListIsLoaded()) return;
    ReloadTaskList();
    std::cerr << "tocklet: the task list changed in the registry file and was read again ("
              << m_settings.m_nTaskCount << " tasks)\n";
}

void CMainPanelDlg::LookAtChangeSeenMeanwhile() {
    if (changeSeenMeanwhile_) OnRegistryFileChanged();
}

bool CMainPanelDlg::StoredTaskListIsLoaded() {
    const int count = store_.ReadTaskCount();
    if (count != m_settings.m_nTaskCount) return false;
    TaskStore stored(svc_.registry);
    // A key that does not open reads as no records, as a new instance would find it.
    const bool readable = stored.LoadTasks(count);
    for (int v = 1; v <= kMaxTasks; ++v) {
        if (stored.Record(v) != m_tasks.Record(v)) return false;
    }
    return readable || count == 0 || m_tasks.DeleteRows().empty();
}

}  // namespace tocklet
