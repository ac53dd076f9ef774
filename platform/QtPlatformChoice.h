// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Which Qt platform the program asks for. The Control Panel guard, the always-on-top desktop
// clock and window placement work through X11, so in a Wayland session the program runs
// through XWayland unless the user asked for a platform.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tocklet {

struct PlatformChoice {
    std::string platform;  ///< the platform to ask Qt for; empty: Qt's own choice
    std::string reason;    ///< a line for the program's log; empty when nothing is worth saying
};

/// Reads an environment variable; nullopt when it is unset.
using EnvLookup = std::function<std::optional<std::string>(const std::string& name)>;

/// The process environment.
[[nodiscard]] std::optional<std::string> ProcessEnv(const std::string& name);

/// The choice for a program started with args (args[0] is the program) in the environment
/// env: "xcb" when the session is Wayland (XDG_SESSION_TYPE=wayland or WAYLAND_DISPLAY set),
/// an X server is there (DISPLAY set), and neither a -platform argument nor QT_QPA_PLATFORM
/// asked for a platform. A Wayland session without X, or a platform asked for that is not
/// X11, keeps Qt's choice and says what will not work.
[[nodiscard]] PlatformChoice ChooseQtPlatform(const std::vector<std::string>& args,
                                              const EnvLookup& env);

/// The arguments handed to QApplication: the program's own, with "-platform <p>" after the
/// program name when choice names one. Keeps the strings alive for as long as Qt reads them.
class QtArguments {
public:
    QtArguments(int argc, char** argv, const PlatformChoice& choice);
    QtArguments(const QtArguments&) = delete;
    QtArguments& operator=(const QtArguments&) = delete;

    [[nodiscard]] int& Argc() { return argc_; }
    [[nodiscard]] char** Argv() { return pointers_.data(); }

private:
    std::vector<std::string> strings_;
    std::vector<char*> pointers_;
    int argc_ = 0;
};

/// While it lives, Qt's X11 connection is told to paint through the connection itself rather
/// than through shared memory: the program's windows are small, and a shared-memory paint
/// costs a round trip to the X server (a wake-up of this program) each time the floating
/// clock turns over, plus a segment kept for every window. Build it before the QApplication
/// and end it after: programs the tasks start do not inherit the setting. A value the user
/// set is left alone.
class SocketPaintingForQt {
public:
    SocketPaintingForQt();
    ~SocketPaintingForQt();
    SocketPaintingForQt(const SocketPaintingForQt&) = delete;
    SocketPaintingForQt& operator=(const SocketPaintingForQt&) = delete;

private:
    bool set_ = false;
};

}  // namespace tocklet
