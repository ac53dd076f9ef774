#pragma once
// Other programs on the test's X server, each running while its object lives: windows of the
// x11-target helper (tests/helpers/X11Target.cpp) and a window manager.

#include <QProcess>

#include "platform/TopLevelWindows.h"

namespace tocklet::testing {

/// A program whose standard output the test reads line by line.
struct HelperProcess {
    HelperProcess(const QString& program, const QStringList& args) { process.start(program, args); }
    ~HelperProcess() {
        process.kill();
        process.waitForFinished();
    }
    /// The next line printed, or "" when none came within timeoutMs.
    QString NextLine(int timeoutMs) {
        while (!process.canReadLine() && process.waitForReadyRead(timeoutMs)) continue;
        return QString::fromUtf8(process.readLine()).trimmed();
    }
    QProcess process;
};

/// A window titled title (options: see the helper), once it is on the screen.
struct TargetWindow : HelperProcess {
    explicit TargetWindow(const QString& title, const QString& option = {})
        : HelperProcess(TOCKLET_X11_TARGET, {title, option}), id(NextLine(5000).toULongLong()) {}
    /// The close requests that arrive, each within timeoutMs of the last.
    int CloseRequests(int timeoutMs = 300) {
        int n = 0;
        while (NextLine(timeoutMs) == "delete") ++n;
        return n;
    }
    WindowId id;
};

/// openbox once it has started up whole (a window mapped earlier may never be managed): its
/// start-up command is a helper that prints when it runs.
struct WindowManager : HelperProcess {
    WindowManager() : HelperProcess("openbox", {"--startup", TOCKLET_X11_TARGET " up --unmapped"}) {
        NextLine(5000);
    }
};

}  // namespace tocklet::testing
