// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string_view>

#include "platform/BusInstanceSlot.h"
#include "platform/DataDirs.h"
#include "platform/FirstRunHive.h"
#include "platform/InstanceClaim.h"
#include "platform/LocalInstanceSlot.h"
#include "platform/QtPlatformChoice.h"
#include "settings/ReleaseInfo.h"
#include "shell/CommandLine.h"
#include "shell/TockletApp.h"
#include "store/ConfigDir.h"

namespace {

void Log(const std::string& line) {
    if (!line.empty()) std::cerr << "tocklet: " << line << std::endl;
}

}  // namespace

int main(int argc, char** argv) {
    // The version is said without a display, an instance or a registry.
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::cout << tocklet::VersionText("tocklet");
        return 0;
    }
    // The options speak to the running instance, or say what the program is; none starts it.
    if (const auto status = tocklet::RunCommandLine(argc, argv)) return *status;
    // One instance per user and display: a later start shows the running one's panel and
    // ends, before it connects to the display or the session manager.
    tocklet::LocalInstanceSlot local(
        tocklet::InstanceFolder(),
        tocklet::DisplayKey(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY")));
    tocklet::BusInstanceSlot instance(local);
    if (const auto claim = tocklet::ClaimInstance(instance, tocklet::kHandOverWait);
        claim != tocklet::Claim::kTaken) {
        const std::string_view message = tocklet::ClaimMessage(claim);
        std::fwrite(message.data(), 1, message.size(), stderr);
        return claim == tocklet::Claim::kShownElsewhere ? 0 : 1;
    }
    const tocklet::PlatformChoice platform =
        tocklet::ChooseQtPlatform({argv, argv + argc}, tocklet::ProcessEnv);
    Log(platform.reason);
    tocklet::QtArguments qtArgs(argc, argv, platform);
    auto socketPainting = std::make_unique<tocklet::SocketPaintingForQt>();
    QApplication app(qtArgs.Argc(), qtArgs.Argv());
    socketPainting.reset();
    QApplication::setApplicationName(QStringLiteral("tocklet"));
    // The program lives in the notification area; closing a dialog must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    // Qt's own texts (file chooser, standard buttons) in the program's language.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_zh_CN"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }
    // The installer's keys for a new user, before the start-up sequence reads them: an
    // administrator's setup.reg comes before the installed one.
    const std::string hive = tocklet::HiveFilePath();
    Log(tocklet::DescribeHiveSetup(tocklet::CreateHiveFromSetup(hive, tocklet::SetupRegDirs()),
                                   hive));
    tocklet::CTockletApp tocklet(instance);
    tocklet.InitInstance();
    return 0;
}
