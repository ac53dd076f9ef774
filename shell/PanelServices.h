// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Everything outside the process that the main panel talks to, handed in by whoever builds
// it: the real services in the program, fakes in the tests.

namespace tocklet {

class Registry;
class Profile;
class MessageBoxes;
class Clock;
class Timers;
class Sound;
class ProgramLauncher;
class SelfLauncher;
class TrayIcon;
class Autostart;
class ShellOpen;
class TopLevelWindows;
class DefaultApps;
class PowerOff;
class WindowChanges;
class ClockWatch;

struct PanelServices {
    Registry& registry;
    Profile& profile;
    MessageBoxes& boxes;
    const Clock& clock;
    Timers& timers;
    Sound& sound;
    ProgramLauncher& launcher;
    SelfLauncher& self;
    TrayIcon& tray;
    Autostart& autostart;
    ShellOpen& shell;
    TopLevelWindows& windows;
    Timers& clockTimers;  ///< the floating clock's face, one clock at a time
    DefaultApps& defaultApps;
    PowerOff& powerOff;
    Timers& countdownTimers;       ///< the power-off countdown's own timers
    WindowChanges& windowChanges;  ///< word that the desktop's windows changed, for the guard
    ClockWatch& clockSet;          ///< the wall clock being set
    ClockWatch& sleep;             ///< the machine waking from sleep
};

}  // namespace tocklet
