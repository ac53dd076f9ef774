// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The panel's custom controls: the mail link, the round password button, the toolbar strip.
#include <QToolBar>

#include "controls/CircleButton.h"
#include "controls/DialogBuilder.h"
#include "controls/LinkLabel.h"
#include "controls/ToolbarPager.h"
#include "resources/Menus.h"
#include "resources/ProductInfo.h"
#include "shell/MainPanelDlg.h"

namespace tocklet {

BuildOptions CMainPanelDlg::CustomControls() {
    BuildOptions options;
    options.factories[kIdMailLink] = [this](const ControlTemplate&, QWidget* parent) {
        return new CLinkLabel(LinkServices{svc_.shell, svc_.defaultApps, svc_.boxes}, parent);
    };
    options.factories[kIdChangePassword] = [](const ControlTemplate&, QWidget* parent) {
        return new CCircleButton(parent);
    };
    options.factories[kIdToolbarPager] = [](const ControlTemplate&, QWidget* parent) {
        return new CToolbarPager(parent);
    };
    return options;
}

void CMainPanelDlg::AttachCustomControls() {
    ControlAs<CLinkLabel>(this, kIdMailLink)->Attach();
    ControlAs<CCircleButton>(this, kIdChangePassword)->Attach();
}

void CMainPanelDlg::SetUpMailLink() {
    auto* link = ControlAs<CLinkLabel>(this, kIdMailLink);
    link->SetTarget(Gb(MailTarget()));
    link->SetUnderlined(true);
    link->SetLinkColors(Rgb(0, 255, 0), Rgb(0, 0, 255), Rgb(255, 0, 0));
}

void CMainPanelDlg::SetUpToolbar() {
    // Without its toolbar the strip stays empty and start-up goes on.
    auto* pager = ControlAs<CToolbarPager>(this, kIdToolbarPager);
    if (QToolBar* toolbar = CreatePagerToolbar(*pager, kPanelToolbarId)) {
        connect(toolbar, &QToolBar::actionTriggered, this,
                [this](QAction* action) { RunItem(action); });
    }
}

}  // namespace tocklet
