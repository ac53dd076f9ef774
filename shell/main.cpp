#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <iostream>

#include "platform/ConfigDir.h"
#include "platform/DataDirs.h"
#include "platform/FirstRunHive.h"
#include "platform/QtPlatformChoice.h"
#include "shell/TockletApp.h"

namespace {

void Log(const std::string& line) {
    if (!line.empty()) std::cerr << "tocklet: " << line << std::endl;
}

}  // namespace

int main(int argc, char** argv) {
    const tocklet::PlatformChoice platform =
        tocklet::ChooseQtPlatform({argv, argv + argc}, tocklet::ProcessEnv);
    Log(platform.reason);
    tocklet::QtArguments qtArgs(argc, argv, platform);
    QApplication app(qtArgs.Argc(), qtArgs.Argv());
    QApplication::setApplicationName(QStringLiteral("tocklet"));
    // The program lives in the notification area; closing a dialog must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    // Qt's own texts (file chooser, standard buttons) in the program's language.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_zh_CN"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }
    // The installer's keys for this user, before the start-up sequence reads them.
    const std::string hive = tocklet::HiveFilePath();
    Log(tocklet::DescribeHiveSetup(tocklet::CreateHiveFromSetup(hive, tocklet::ProgramDataDirs()),
                                   hive));
    tocklet::CTockletApp tocklet;
    tocklet.InitInstance();
    return 0;
}
