// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "shell/TockletApp.h"

#include <QApplication>
#include <QFile>
#include <filesystem>
#include <iostream>

#include "platform/Autostart.h"
#include "platform/BusInstanceSlot.h"
#include "platform/CanberraSound.h"
#include "platform/Clock.h"
#include "platform/DBusRemoteControl.h"
#include "platform/FileWatch.h"
#include "platform/InstanceClaim.h"
#include "platform/InstanceSlot.h"
#include "platform/LogindPowerOff.h"
#include "platform/LogindSleepWatch.h"
#include "platform/ProgramLauncher.h"
#include "platform/QtMessageBox.h"
#include "platform/QtSessionEnd.h"
#include "platform/QtShellOpen.h"
#include "platform/QtTimers.h"
#include "platform/QtTrayIcon.h"
#include "platform/RealtimeSetWatch.h"
#include "platform/SelfLauncher.h"
#include "platform/SessionManagerErrors.h"
#include "platform/X11TopLevelWindows.h"
#include "platform/X11WindowChanges.h"
#include "platform/XdgDefaultApps.h"
#include "resources/Images.h"
#include "shell/MainPanelDlg.h"
#include "shell/PanelRemote.h"
#include "shell/RegistryMessages.h"
#include "store/ConfigDir.h"
#include "store/HiveRegistry.h"
#include "store/IniProfile.h"
#include "store/Text.h"

namespace tocklet {

bool CTockletApp::InitInstance() {
    KeepRunningWithoutSessionManager();
    const std::string configDir = ConfigDir();
    HiveRegistry registry(HiveFilePath());
    QtMessageBoxes boxes;
    if (auto problem = registry.Problem()) {
        // A damaged store is kept for the user to repair; the program runs on without it.
        std::cerr << "tocklet: " << *problem << '\n';
        boxes.Tell(RegistryProblemMessage(registry.Path(), registry.ProblemLine()), std::nullopt,
                   MbIcon::Warning);
    }
    IniFileProfile profile((std::filesystem::path(configDir) / kIniFileName).string());
    SystemClock clock;
    QtTimers timers(clock);
    CanberraSound sound;
    ExecProgramLauncher launcher;
    ProcSelfLauncher ownExecutable;
    HandOverSelfLauncher self(ownExecutable, instance_);
    QtTrayIcon tray([](int id) { return Icon(id); });
    XdgAutostart autostart;
    QtShellOpen shell;
    X11TopLevelWindows windows;
    QtTimers clockTimers(clock);
    XdgDefaultApps defaultApps;
    LogindPowerOff powerOff;
    QtTimers countdownTimers(clock);
    X11WindowChanges windowChanges;
    DBusRemoteControl control;
    RealtimeSetWatch clockSet;
    LogindSleepWatch sleep;

    {
        CMainPanelDlg panel(PanelServices{registry, profile, boxes, clock, timers, sound, launcher,
                                          self, tray, autostart, shell, windows, clockTimers,
                                          defaultApps, powerOff, countdownTimers, windowChanges,
                                          clockSet, sleep});
        panel.SetEvents(control);
        PanelRemote remote(panel, clock);
        instance_.Publish(control, remote);
        instance_.Serve([&panel] { panel.ShowForLaterStart(); });
        // Tasks added or deleted outside (tocklet-reg, an import) are watched without a restart.
        FileWatch registryWatch(registry.Path(), [&panel] { panel.OnRegistryFileChanged(); });
        // The desktop asks before it ends the session: behind the password while protection
        // is on.
        QtSessionEnd sessionEnd(
            QFile::decodeName(self.ExecutablePath().c_str()),
            [&panel](SessionEndQuery& query) { panel.AnswerSessionEnd(query); });
        if (panel.DoModal() == kIdCancel) {
            // Escape: the panel started a fresh instance in its place before it ended, as
            // every restart does, so nothing is left to start here.
        }
        // Ending: a later start waits for the slot instead of asking this panel.
        instance_.Leave();
        instance_.Unpublish();
        panel.RemoveTrayIcon();
    }
    return false;
}

}  // namespace tocklet
