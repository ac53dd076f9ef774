#include "shell/TockletApp.h"

#include <QApplication>
#include <QSessionManager>
#include <filesystem>
#include <iostream>

#include "platform/Autostart.h"
#include "platform/CanberraSound.h"
#include "platform/Clock.h"
#include "platform/ConfigDir.h"
#include "platform/HiveRegistry.h"
#include "platform/IniProfile.h"
#include "platform/ProgramLauncher.h"
#include "platform/QtMessageBox.h"
#include "platform/QtShellOpen.h"
#include "platform/QtTimers.h"
#include "platform/QtTrayIcon.h"
#include "platform/SelfLauncher.h"
#include "platform/Text.h"
#include "resources/Images.h"
#include "shell/MainPanelDlg.h"
#include "shell/RegistryMessages.h"

namespace tocklet {

bool CTockletApp::InitInstance() {
    const std::string configDir = ConfigDir();
    HiveRegistry registry(HiveFilePath());
    QtMessageBoxes boxes;
    if (auto problem = registry.Problem()) {
        // A damaged store is kept for the user to repair; the program runs on without it.
        std::cerr << "tocklet: " << *problem << '\n';
        boxes.Show(RegistryProblemMessage(registry.Path(), registry.ProblemLine()), std::nullopt,
                   MbButtons::Ok, MbIcon::Warning);
    }
    IniFileProfile profile((std::filesystem::path(configDir) / kIniFileName).string());
    SystemClock clock;
    QtTimers timers(clock);
    CanberraSound sound;
    ExecProgramLauncher launcher;
    ProcSelfLauncher self;
    QtTrayIcon tray([](int id) { return Icon(id); });
    XdgAutostart autostart;
    QtShellOpen shell;

    int result = 0;
    {
        CMainPanelDlg panel(PanelServices{registry, profile, boxes, clock, timers, sound, launcher,
                                          self, tray, autostart, shell});
        // The desktop asks before it ends the session: behind the password while protection
        // is on, and refused when no question may be asked.
        QObject::connect(qApp, &QGuiApplication::commitDataRequest, &panel,
                         [&panel](QSessionManager& manager) {
                             if (!panel.Settings().m_bUsePassword) return;
                             if (!manager.allowsInteraction()) {
                                 manager.cancel();
                                 return;
                             }
                             const bool allow = panel.OnQueryEndSession();
                             manager.release();
                             if (!allow) manager.cancel();
                         });
        result = panel.DoModal();
        panel.RemoveTrayIcon();
    }
    if (result == kIdCancel) self.StartNewInstance();
    return false;
}

}  // namespace tocklet
