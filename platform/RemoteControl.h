// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The running program as scripts see it: the commands they may give it, the state they may
// ask for, and the moments it tells them about. Texts are code page 936, as everywhere in the
// program; the bus converts them.

#include <optional>
#include <string>

namespace tocklet {

/// The next task due, as the task check will carry it out.
struct NextTaskReport {
    std::string due;   ///< local time, "YYYY-MM-DD HH:MM"
    std::string kind;  ///< "message" or "program"
    std::string text;  ///< the reminder text or the program path
};

/// What Status tells.
struct StatusReport {
    bool monitoring = false;
    bool chimeOn = false;
    bool protectionOn = false;
    int taskCount = 0;
    std::optional<NextTaskReport> nextTask;  ///< none when no task can fire
    std::string powerOffTime;                ///< "H:M:S"; empty when none is preset
    std::string version;
};

/// The commands a script may give, each one as the program's own menu or box gives it:
/// whatever sits behind the password there asks for it on screen here.
class RemoteCommands {
public:
    RemoteCommands() = default;
    virtual ~RemoteCommands() = default;
    RemoteCommands(const RemoteCommands&) = delete;
    RemoteCommands& operator=(const RemoteCommands&) = delete;

    virtual void ShowPanel() = 0;
    virtual void Pause() = 0;
    virtual void Resume() = 0;
    virtual void SetClockShown(bool shown) = 0;
    /// The exit command: with protection on, the password prompt comes first.
    virtual void Quit() = 0;
    [[nodiscard]] virtual StatusReport Status() = 0;
};

/// How a power-off countdown ended.
enum class CountdownEnd {
    kCancelled,  ///< "取消" or Escape
    kExpired,    ///< it ran out
    kNow,        ///< "立即关闭"
};

/// The moments the program tells its listeners about.
class PanelEvents {
public:
    PanelEvents() = default;
    virtual ~PanelEvents() = default;
    PanelEvents(const PanelEvents&) = delete;
    PanelEvents& operator=(const PanelEvents&) = delete;

    /// A due task is carried out now; due is "YYYY-MM-DD HH:MM", kind as in NextTaskReport.
    virtual void TaskFired(const std::string& due, const std::string& kind,
                           const std::string& text) = 0;
    /// The countdown opened for the power-off time "H:M:S".
    virtual void CountdownStarted(const std::string& powerOffTime) = 0;
    virtual void CountdownEnded(CountdownEnd how) = 0;
    virtual void MonitoringChanged(bool on) = 0;
};

/// Listeners that hear nothing: the panel's until it is given others.
class SilentEvents final : public PanelEvents {
public:
    void TaskFired(const std::string&, const std::string&, const std::string&) override {}
    void CountdownStarted(const std::string&) override {}
    void CountdownEnded(CountdownEnd) override {}
    void MonitoringChanged(bool) override {}
};

/// The word a countdown's end is told with: "cancelled", "expired" or "now".
[[nodiscard]] const char* CountdownEndWord(CountdownEnd how);

/// Where scripts reach the program: it takes their commands while serving and passes the
/// panel's moments on to them.
class RemoteControl : public PanelEvents {
public:
    /// Starts taking commands for commands; false when nobody can reach it (no bus, or its
    /// name is another's).
    [[nodiscard]] virtual bool Serve(RemoteCommands& commands) = 0;
    /// Stops taking commands (the program is ending or handing over to its successor).
    virtual void Leave() = 0;
};

}  // namespace tocklet
