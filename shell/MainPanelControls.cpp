// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The panel's custom controls (the mail link, the round password button, the toolbar strip)
// and its help commands: the About box, the read-me, and mail and home page of the project.
#include <QToolBar>
#include <filesystem>
#include <system_error>
#include <vector>

#include "controls/CircleButton.h"
#include "controls/DialogBuilder.h"
#include "controls/LinkLabel.h"
#include "controls/LinkLogic.h"
#include "controls/MenuBuilder.h"
#include "controls/ToolbarPager.h"
#include "platform/DataDirs.h"
#include "platform/MessageBox.h"
#include "platform/ShellOpen.h"
#include "resources/Menus.h"
#include "resources/ProductInfo.h"
#include "shell/AboutDlg.h"
#include "shell/MainPanelDlg.h"
#include "store/Text.h"

namespace tocklet {
namespace {

constexpr std::string_view kReadMeName = "ReadMe.txt";

// A file-system path as code page 936 for messages and the desktop.
std::string PathText(const std::filesystem::path& path) {
    return TryUtf8ToGb(path.string()).value_or(path.string());
}

}  // namespace

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

bool CMainPanelDlg::OnHelpCommand(int command) {
    switch (command) {
        case kCmdAbout:
        case kCmdAboutToolbar:
            OnAbout();
            return true;
        case kCmdReadMe:
            OnReadMe();
            return true;
        case kCmdMailAuthor:
            OpenAddress(Gb(MailTarget()));
            return true;
        case kCmdHomePage:
            OpenAddress(Gb(HomePage()));
            return true;
        default:
            return false;
    }
}

void CMainPanelDlg::OpenAddress(const std::string& target) {
    // As the mail link opens its own: the desktop, else the default web browser, else the
    // user is told why not.
    auto* link = ControlAs<CLinkLabel>(this, kIdMailLink);
    if (link == nullptr) return;  // not before the controls are built
    if (const int opened = link->OpenTarget(target); opened <= kOpenFailedMax) {
        link->ShowOpenError(opened);
    }
}

void CMainPanelDlg::OnAbout() {
    CAboutDlg about(this);
    about.DoModal();
}

void CMainPanelDlg::OnReadMe() {
    std::error_code ec;
    const std::filesystem::path here = std::filesystem::current_path(ec);
    const std::vector<std::filesystem::path> dataDirs = ProgramGuideDirs();
    const auto file = FindDataFile(kReadMeName, here, dataDirs);
    // Started at log-in the current folder is the home folder; a read-me found nowhere, or
    // one the desktop cannot open, is said so instead of nothing happening.
    if (!file) {
        std::string looked = Gb(" 找不到使用说明文件 ReadMe.txt,已查找:\n   ") + PathText(here);
        for (const std::filesystem::path& dir : dataDirs) looked += "\n   " + PathText(dir);
        svc_.boxes.Tell(looked, Gb("守时鸟提示"), MbIcon::Warning);
        return;
    }
    if (!svc_.shell.Open(PathText(*file))) {
        svc_.boxes.Tell(Gb(" 无法打开使用说明文件:\n   ") + PathText(*file), Gb("守时鸟提示"),
                        MbIcon::Warning);
    }
}

}  // namespace tocklet
