#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "shell/TockletApp.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tocklet"));
    // The program lives in the notification area; closing a dialog must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    // Qt's own texts (file chooser, standard buttons) in the program's language.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_zh_CN"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }
    tocklet::CTockletApp tocklet;
    tocklet.InitInstance();
    return 0;
}
