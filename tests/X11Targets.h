// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Other programs on the test's X server, each running while its object lives: windows of the
// x11-target helper (tests/helpers/X11Target.cpp) and a window manager.

#include <QProcess>

#include "platform/TopLevelWindows.h"

namespace tocklet::testing {

/// How long a helper may take to come up: generous, since the wait ends as soon as it is up
/// and a machine running many tests at once can be slow to start a program.
inline constexpr int kStartMs = 30000;
/// How long a message to another program may take to arrive when one is expected.
inline constexpr int kArrivalMs = 10000;

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
        : HelperProcess(TOCKLET_X11_TARGET, {title, option}), id(NextLine(kStartMs).toULongLong()) {}
    /// The close requests that arrive: the first within firstMs, each further one within 300 ms
    /// of the last. A test that expects one passes a long firstMs, since a loaded machine may
    /// take seconds to carry the message; one that expects none keeps the short wait.
    int CloseRequests(int firstMs = 300) {
        int n = 0;
        for (int wait = firstMs; NextLine(wait) == "delete"; wait = 300) ++n;
        return n;
    }
    WindowId id;
};

/// openbox once it has started up whole (a window mapped earlier may never be managed): its
/// start-up command is a helper that prints when it runs.
struct WindowManager : HelperProcess {
    WindowManager() : HelperProcess("openbox", {"--startup", TOCKLET_X11_TARGET " up --unmapped"}) {
        NextLine(kStartMs);
    }
};

}  // namespace tocklet::testing
