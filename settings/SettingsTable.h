// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Every value the program keeps, in one table: where it lives, the byte count it is written
// with, how much of it is read, the range a number read from it is kept within, and its
// default. The start-up read, the settings save and every other store go through it.
//
// Registry values are REG_SZ in their stored form (the text, a zero byte and zero bytes up to
// the byte count; only the first count bytes when longer) and read back as the bytes up to the
// first zero byte; a missing or unreadable value is the empty text, i.e. number 0.

#include <climits>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "store/Registry.h"

namespace tocklet {

/// The program's key; reads and writes spell it differently, and the registry ignores case.
inline constexpr std::string_view kProgramKeyRead = "Software\\Microsoft\\Windows\\tocklet";
inline constexpr std::string_view kProgramKeyWrite = "SoftWare\\Microsoft\\Windows\\tocklet";
/// The key of the owner names, the first-run marker, the password and its flag.
inline constexpr std::string_view kCurrentVersionKeyRead =
    "Software\\Microsoft\\Windows\\CurrentVersion";
inline constexpr std::string_view kCurrentVersionKeyWrite =
    "SoftWare\\Microsoft\\Windows\\CurrentVersion";
/// The log-in autostart entry (written only).
inline constexpr std::string_view kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
/// The marker written before the machine is powered off (written only).
inline constexpr std::string_view kConfigKey = "Config";
/// The INI file's one section.
inline constexpr std::string_view kIniSection = "option";

/// Tasks the list holds; "happen" never counts more.
inline constexpr int kMaxTasks = 20;
/// Bytes of one stored task value: a record of at most 99 bytes and its zero byte.
inline constexpr std::uint32_t kTaskValueBytes = 100;

/// The stored values by what they hold.
enum class Setting {
    Owner,            ///< "RegisteredOwner"
    Organization,     ///< "RegisteredOrganization"
    FirstRunDone,     ///< "new"
    FirstPassword,    ///< "pass" as the first use stores it
    ChangedPassword,  ///< "pass" as a password change stores it
    UsePassword,      ///< "UsePas"
    ChimeOn,          ///< "ClockOpen"
    ShutdownTime,     ///< "CloseHour"
    TaskCount,        ///< "happen"
    ChimeSound,       ///< "music"
    ChimeText,        ///< "word"
    Repeat,           ///< "Repeat"
    LaunchShow,       ///< "Status"
    DelayMinutes,     ///< "DelayTime"
    TaskValue,        ///< "1" to "N": one task record each, named by its value number
    Autostart,        ///< "ZidezArudiva"
    RunFlag,          ///< "run"
    ShowClock,        ///< INI "clock"
    ClockColor,       ///< INI "color"
};

/// Where a value lives.
enum class SettingsFile { Registry, Ini };

/// One row of the table.
struct StoredValue {
    Setting setting;
    SettingsFile file;
    std::string_view readKey;   ///< key path (or INI section) read from; empty: never read
    std::string_view writeKey;  ///< key path (or INI section) written through; empty: never
    std::string_view name;      ///< value name or INI key; empty for the numbered task values
    std::uint32_t bytes;        ///< byte count written; 0 for INI keys
    std::uint32_t readBytes;    ///< a larger value reads as empty; 0: read whole, however long
    std::size_t keepBytes;      ///< text kept, cut at a character boundary; 0: all of it
    int minimum;                ///< a number read is kept within minimum..maximum
    int maximum;
    int fallback;  ///< the number when the value is missing
};

/// The whole table, in the order of Setting.
[[nodiscard]] std::span<const StoredValue> StoredValues();

/// The row of one value.
[[nodiscard]] const StoredValue& Stored(Setting setting);

/// The number a value's text stands for (read like atoi), kept within the row's range.
[[nodiscard]] int StoredNumber(Setting setting, std::string_view text);

/// One failed step of a store operation.
struct SettingsFailure {
    enum class Step { OpenKey, ReadValue, SetValue };
    Step step;
    Setting setting;  ///< the value the step was for (OpenKey: the first value of its key)

    bool operator==(const SettingsFailure&) const = default;
};

/// What went wrong in a store operation, step by step in the order the steps ran; empty when
/// everything worked.
struct [[nodiscard]] SettingsReport {
    std::vector<SettingsFailure> failures;

    [[nodiscard]] bool Ok() const { return failures.empty(); }
    /// True when the step failed for this value.
    [[nodiscard]] bool Failed(SettingsFailure::Step step, Setting setting) const;
    void Add(SettingsFailure::Step step, Setting setting) { failures.push_back({step, setting}); }
    void Append(const SettingsReport& other);
};

/// One value to write and its text.
struct SettingText {
    Setting setting;
    std::string_view text;
    std::string_view name = {};  ///< the value name when the row has none (task values)
};

/// Opens the key keyOf is written through and writes each value in its stored form, in order.
/// A key that cannot be opened is reported, and each value is still attempted, so each is
/// reported as not set. All values must live in that key.
[[nodiscard]] SettingsReport WriteStoredValues(Registry& reg, Setting keyOf,
                                               std::span<const SettingText> values);

/// The same for values that live in the key of the first one.
[[nodiscard]] SettingsReport WriteStoredValues(Registry& reg,
                                               std::initializer_list<SettingText> values);

/// Reads a value through an open key by its row's rules (size limit, cut); empty when it is
/// missing or cannot be read, and then status (when given) is not kRegOk.
[[nodiscard]] std::string ReadStoredValue(Registry& reg, RegKey key, Setting setting,
                                          RegStatus* status = nullptr, std::string_view name = {});

/// Opens the key the value is read from (access kKeyRead) into key; false when it cannot be.
[[nodiscard]] bool OpenForReading(Registry& reg, Setting setting, ScopedKey& key);

}  // namespace tocklet
