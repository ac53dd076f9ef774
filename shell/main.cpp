#include <QApplication>

#include "shell/TockletApp.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tocklet"));
    // The program lives in the notification area; closing a dialog must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    tocklet::CTockletApp tocklet;
    tocklet.InitInstance();
    return 0;
}
