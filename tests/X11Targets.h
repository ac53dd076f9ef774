// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Other programs on the test's X server, each running while its object lives: windows of the
// x11-target helper (tests/helpers/X11Target.cpp) and a window manager.

#include <QDeadlineTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "platform/TopLevelWindows.h"

namespace tocklet::testing {

/// How long a helper may take to come up: generous, since the wait ends as soon as it is up
/// and a machine running many tests at once can be slow to start a program.
inline constexpr int kStartMs = 30000;
/// How long a message to another program may take to arrive when one is expected.
inline constexpr int kArrivalMs = 10000;

/// A program whose standard output the test reads line by line.
struct HelperProcess {
    HelperProcess(
        const QString& program, const QStringList& args,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
        process.setProcessEnvironment(environment);
        process.start(program, args);
    }
    ~HelperProcess() {
        process.kill();
        process.waitForFinished();
    }
    /// The next line printed, or "" when none came within timeoutMs.
    QString NextLine(int timeoutMs) {
        while (!process.canReadLine() && process.waitForReadyRead(timeoutMs)) continue;
        return QString::fromUtf8(process.readLine()).trimmed();
    }
    bool Running() const { return process.state() != QProcess::NotRunning; }
    QProcess process;
};

/// A window titled title (options: see the helper), once it is on the screen.
struct TargetWindow : HelperProcess {
    explicit TargetWindow(const QString& title, const QString& option = {})
        : HelperProcess(TOCKLET_X11_TARGET, {title, option}),
          id(NextLine(kStartMs).toULongLong()) {}
    /// The close requests that have reached the window since the last count, counting those
    /// sent by calls that have returned: the helper answers a mark only once the X server has
    /// handed it everything sent before. A window that closed has no more to report.
    int CloseRequests() {
        if (Running()) process.write("mark\n");
        int n = 0;
        while (NextLine(kArrivalMs) == "delete") ++n;
        return n;
    }
    /// Renames the window; returns once the X server has the new title.
    void Rename(const QString& title) {
        process.write(("title " + title + "\n").toUtf8());
        NextLine(kArrivalMs);
    }
    WindowId id;
};

/// openbox once it has started up whole: its start-up command, run once it manages windows,
/// is a helper that prints its window id. openbox writes messages of its own to the same output
/// before that (a missing menu file, while it is still starting), and a window mapped before
/// its event loop runs may be left unmanaged, so only the helper's line counts. Its log goes to
/// a cache folder of its own rather than the user's.
struct WindowManager : HelperProcess {
    WindowManager()
        : HelperProcess("openbox",
                        {"--sm-disable", "--startup", TOCKLET_X11_TARGET " up --unmapped"},
                        PrivateCache()) {
        const QDeadlineTimer deadline(kStartMs);
        bool up = false;
        while (!up && !deadline.hasExpired() && (Running() || process.canReadLine())) {
            NextLine(static_cast<int>(deadline.remainingTime())).toULongLong(&up);
        }
    }

private:
    static QProcessEnvironment PrivateCache() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CACHE_HOME", CacheFolder().path());
        return environment;
    }
    static const QTemporaryDir& CacheFolder() {
        static const QTemporaryDir dir;
        return dir;
    }
};

}  // namespace tocklet::testing
