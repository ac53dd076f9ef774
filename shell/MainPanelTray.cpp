// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The notification icon: shown, greyed while monitoring is paused, removed before the program
// ends; its clicks and its menu.
#include <QCursor>
#include <QMenu>

#include "controls/MenuBuilder.h"
#include "platform/TrayIcon.h"
#include "shell/MainPanelDlg.h"

namespace tocklet {

void CMainPanelDlg::AddTrayIcon() {
    svc_.tray.SetButtonHandler(
        [this](TrayButton button) { OnTrayButton(button == TrayButton::Left ? 0 : 1); });
    svc_.tray.Add(kTrayIconWorking, Gb("守时鸟正在工作"));
}

void CMainPanelDlg::UpdateTrayIcon() {
    if (m_bMonitoring) {
        svc_.tray.Modify(kTrayIconWorking, Gb("守时鸟正在工作"));
    } else {
        svc_.tray.Modify(kTrayIconPaused, Gb("守时鸟暂时停止监控"));
    }
}

void CMainPanelDlg::RemoveTrayIcon() { svc_.tray.Remove(); }

void CMainPanelDlg::OnTrayButton(int button) {
    if (button == 1) {
        ShowTrayMenu();
        return;
    }
    if (isVisible()) {
        hide();
    } else {
        show();
        raise();
        activateWindow();
    }
    update();
}

void CMainPanelDlg::ShowTrayMenu() {
    if (!trayMenu_ || trayMenu_->actions().isEmpty()) return;
    SetDefaultItem(trayMenu_, trayMenu_->actions().front());
    // Its right edge at the pointer, so it opens toward the screen from an icon at the edge.
    const QPoint at = QCursor::pos();
    trayMenu_->popup(QPoint(at.x() - trayMenu_->sizeHint().width(), at.y()));
}

}  // namespace tocklet
