// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The main panel's stored settings and the other small values the program writes, all through
// the settings table. Each operation tells what failed and goes on with its next value; the
// caller decides what the user is told.

#include <string>
#include <string_view>

#include "settings/PanelSettings.h"
#include "settings/SettingsTable.h"
#include "store/Registry.h"

namespace tocklet {

/// The texts read at start-up, each empty when its value could not be read.
struct StartupValues {
    bool currentVersionOpened = false;
    bool programKeyOpened = false;  ///< else the program's values below are all empty
    bool runKeyOpened = false;      ///< the Run key, for the first run's autostart value
    std::string owner;              ///< "RegisteredOwner"
    std::string organization;       ///< "RegisteredOrganization"
    std::string clockOpen;          ///< "ClockOpen"
    std::string closeHour;          ///< "CloseHour"
    std::string happen;             ///< "happen"
    std::string music;              ///< "music"
    std::string word;               ///< "word"
    std::string firstRunDone;       ///< "new"
    std::string pass;               ///< "pass"
    std::string usePas;             ///< "UsePas"
};

/// True when "new" does not hold a non-zero number.
[[nodiscard]] bool IsFirstRun(const StartupValues& values);

/// Copies the start-up texts into the fields: password, protection, chime flags, task count
/// (kept within what the task list can hold) and shutdown time.
void ApplyStartupValues(const StartupValues& values, PanelSettings& settings);

/// The panel's banner: organisation, " -- ", owner.
[[nodiscard]] std::string BannerText(const StartupValues& values);

class SettingsStore {
public:
    explicit SettingsStore(Registry& reg)
        : reg_(reg), cvRead_(reg), programRead_(reg), runWrite_(reg) {}
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    /// Opens the CurrentVersion and program keys for reading and the Run key for writing
    /// (kept open until CloseStartupKeys) and reads the start-up values.
    [[nodiscard]] StartupValues ReadStartup();

    /// Stores "new" = "1" and the autostart entry naming executablePath (whole, also when it
    /// is longer than the entry's 128 bytes). Reports the CurrentVersion key and "new"; the
    /// autostart entry is reported too, as not set, when it could not be written.
    [[nodiscard]] SettingsReport FirstRunWrites(std::string_view executablePath);

    /// Closes the keys ReadStartup opened.
    void CloseStartupKeys();

    /// Reads "happen" again, as the start-up read does: a value that cannot be read counts as
    /// no tasks.
    [[nodiscard]] int ReadTaskCount();

    /// Reads "Repeat", "Status" and "DelayTime"; a value that cannot be read counts as 0.
    [[nodiscard]] SettingsReport LoadOptions(PanelSettings& settings);

    /// Writes "ClockOpen", "CloseHour", "happen", "music" and "word", then SaveOptions; the
    /// report holds both parts in order.
    [[nodiscard]] SettingsReport SaveSettings(const PanelSettings& settings);

    /// Writes "Repeat", "Status" and "DelayTime", then "UsePas" in the CurrentVersion key.
    [[nodiscard]] SettingsReport SaveOptions(const PanelSettings& settings);

    /// Writes "run" = "0" in key "Config", just before the machine is powered off.
    [[nodiscard]] SettingsReport WriteRunFlag();

    /// Writes "RegisteredOrganization" (30 bytes) and then "RegisteredOwner" (16 bytes).
    [[nodiscard]] SettingsReport WriteOwnerNames(std::string_view organization,
                                                 std::string_view owner);

private:
    Registry& reg_;
    ScopedKey cvRead_;
    ScopedKey programRead_;
    ScopedKey runWrite_;
};

}  // namespace tocklet
