// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "protection/ui/ControlPanelGuard.h"

#include <algorithm>

#include "platform/DataDirs.h"
#include "store/Text.h"

namespace tocklet {

GuardedWindows AdministeredGuardedWindows() {
    std::vector<GuardedClass> classes = DesktopSettingsClasses();
    for (GuardedClass& added : ReadGuardedClasses(AdminConfigDirs())) {
        classes.push_back(std::move(added));
    }
    return GuardedWindows(std::move(classes));
}

ControlPanelGuard::~ControlPanelGuard() {
    if (following_) changes_.Stop();
}

void ControlPanelGuard::Follow(bool protectionOn, std::function<void()> onChange) {
    if (protectionOn == following_) return;
    following_ = protectionOn;
    if (!protectionOn) {
        changes_.Stop();
    } else if (!changes_.Start(std::move(onChange))) {
        // No word of changes here: the once-a-second pass takes over (NeedsSecondScan).
    }
}

bool ControlPanelGuard::NeedsSecondScan() {
    return following_ && !changes_.Watching() && windows_.CanSeeOtherWindows();
}

void ControlPanelGuard::RunPass(WindowId panel) {
    if (!windows_.CanSeeOtherWindows()) return;
    std::set<WindowId> asked;
    for (;;) {
        const auto list = windows_.List();
        if (!list) {
            if (errorOpen_) return;
            errorOpen_ = true;
            boxes_.Tell(Gb(" 内部发生错误!"));
            errorOpen_ = false;
            return;
        }
        const auto next = std::find_if(list->begin(), list->end(), [&](const TopLevelWindow& w) {
            return guarded_.Matches({w.title, w.instanceName, w.className}) && !asked.count(w.id) &&
                   !openMessages_.count(w.id);
        });
        if (next == list->end()) return;
        asked.insert(next->id);
        CloseControlPanel(next->id, panel);
    }
}

void ControlPanelGuard::CloseControlPanel(WindowId window, WindowId panel) {
    openMessages_.insert(window);
    windows_.BringToFront(panel);
    if (!windows_.RequestClose(window)) {
        // Gone already, or deaf to the request: the message below still tells the user, and
        // a window that stays is found again at the next tick.
    }
    windows_.Activate(panel);
    boxes_.Tell(Gb("  非管理员不能进入控制面板 "));
    openMessages_.erase(window);
}

void ControlPanelGuard::SayIfBlind() {
    if (windows_.CanSeeOtherWindows()) return;
    boxes_.Tell(Gb("  这个桌面会话不让守时鸟看到其他程序的窗口(没有 X11 的 Wayland 会话),\n"
                   "  所以密码保护打开时也无法关闭控制面板。\n"
                   "  要让守时鸟关闭控制面板，请在 X11 或 XWayland 下运行它。  "),
                Gb("守时鸟提示"), MbIcon::Warning);
}

}  // namespace tocklet
