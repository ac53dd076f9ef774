// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// One dialog, once: a command whose dialog is already open (from the icon's menu while the
// dialog runs, or from a second path to the same command) brings that dialog to the front
// instead of running it a second time inside its own loop.
#include <QDialog>
#include <algorithm>

#include "controls/DialogBuilder.h"
#include "shell/MainPanelDlg.h"

namespace tocklet {

QDialog* CMainPanelDlg::OpenDialog(std::initializer_list<int> templates) const {
    for (QDialog* dialog : findChildren<QDialog*>()) {
        if (!dialog->isWindow() || !dialog->isVisible()) continue;
        const QVariant id = dialog->property(kTemplateIdProperty);
        if (!id.isValid()) continue;
        if (std::find(templates.begin(), templates.end(), id.toInt()) != templates.end())
            return dialog;
    }
    return nullptr;
}

bool CMainPanelDlg::RaiseOpenDialog(std::initializer_list<int> templates) {
    QDialog* open = OpenDialog(templates);
    if (open == nullptr) return false;
    // Above whatever it opened itself (a message box it asks with) the user finds it anyway:
    // the box is its child and the desktop keeps it above.
    open->raise();
    open->activateWindow();
    return true;
}

}  // namespace tocklet
