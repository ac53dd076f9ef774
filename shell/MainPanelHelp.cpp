// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The panel's help commands: the About box, the user's guide, and mail and home page of the
// project.
#include <filesystem>
#include <system_error>
#include <vector>

#include "controls/DialogBuilder.h"
#include "controls/LinkLabel.h"
#include "controls/LinkLogic.h"
#include "platform/DataDirs.h"
#include "platform/MessageBox.h"
#include "platform/ShellOpen.h"
#include "resources/ProductInfo.h"
#include "resources/Templates.h"
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
    if (RaiseOpenDialog({kAboutTemplateId})) return;
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
