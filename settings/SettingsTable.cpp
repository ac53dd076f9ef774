// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "settings/SettingsTable.h"

#include <algorithm>
#include <array>

#include "store/Text.h"

namespace tocklet {
namespace {

using S = Setting;
using F = SettingsFile;

constexpr int kNone = INT_MIN;
constexpr int kAll = INT_MAX;
// Read buffer of the small numbers ("happen", the flags).
constexpr std::uint32_t kNumber = 16;

constexpr std::string_view kProgramR = kProgramKeyRead;
constexpr std::string_view kProgramW = kProgramKeyWrite;
constexpr std::string_view kCvR = kCurrentVersionKeyRead;
constexpr std::string_view kCvW = kCurrentVersionKeyWrite;

// The first-run marker and a changed password are written through the key's reading spelling.
constexpr std::array<StoredValue, 19> kTable{{
    // setting, file, read key, write key, name, bytes, read bytes, keep, min, max, default
    {S::Owner, F::Registry, kCvR, kCvW, "RegisteredOwner", 16, 0, 29, kNone, kAll, 0},
    {S::Organization, F::Registry, kCvR, kCvW, "RegisteredOrganization", 30, 0, 39, kNone, kAll, 0},
    {S::FirstRunDone, F::Registry, kCvR, kCvR, "new", 2, kNumber, 0, kNone, kAll, 0},
    // "pass" is read whole: cut or emptied it would open prompts it should not.
    {S::FirstPassword, F::Registry, kCvR, kCvW, "pass", 10, 0, 0, kNone, kAll, 0},
    {S::ChangedPassword, F::Registry, kCvR, kCvR, "pass", 11, 0, 0, kNone, kAll, 0},
    {S::UsePassword, F::Registry, kCvR, kCvW, "UsePas", 3, kNumber, 0, kNone, kAll, 0},
    {S::ChimeOn, F::Registry, kProgramR, kProgramW, "ClockOpen", 1, kNumber, 0, kNone, kAll, 0},
    {S::ShutdownTime, F::Registry, kProgramR, kProgramW, "CloseHour", 10, 10, 0, kNone, kAll, 0},
    {S::TaskCount, F::Registry, kProgramR, kProgramW, "happen", 3, kNumber, 0, 0, kMaxTasks, 0},
    {S::ChimeSound, F::Registry, kProgramR, kProgramW, "music", 2, kNumber, 0, kNone, kAll, 0},
    {S::ChimeText, F::Registry, kProgramR, kProgramW, "word", 3, kNumber, 0, kNone, kAll, 0},
    // Kept within what the panel's sliders can show and set.
    {S::Repeat, F::Registry, kProgramR, kProgramW, "Repeat", 3, 3, 0, 0, 5, 0},
    {S::LaunchShow, F::Registry, kProgramR, kProgramW, "Status", 2, 2, 0, kNone, kAll, 0},
    {S::DelayMinutes, F::Registry, kProgramR, kProgramW, "DelayTime", 3, 3, 0, 0, 60, 0},
    {S::TaskValue, F::Registry, kProgramR, kProgramW, "", kTaskValueBytes, kTaskValueBytes, 0,
     kNone, kAll, 0},
    // A path longer than 127 bytes is written whole with its zero byte (see SettingsStore).
    {S::Autostart, F::Registry, "", kRunKey, "ZidezArudiva", 128, 0, 0, kNone, kAll, 0},
    {S::RunFlag, F::Registry, "", kConfigKey, "run", 2, 0, 0, kNone, kAll, 0},
    {S::ShowClock, F::Ini, kIniSection, kIniSection, "clock", 0, 0, 0, kNone, kAll, 0},
    {S::ClockColor, F::Ini, kIniSection, kIniSection, "color", 0, 0, 0, kNone, kAll, 0},
}};

constexpr bool InSettingOrder() {
    for (std::size_t i = 0; i < kTable.size(); ++i) {
        if (static_cast<std::size_t>(kTable[i].setting) != i) return false;
    }
    return true;
}
static_assert(InSettingOrder(), "the table lists the values in the order of Setting");

// The whole value however long (readBytes 0), or at most readBytes of it.
std::string ReadBytes(Registry& reg, RegKey key, std::string_view name, std::uint32_t readBytes,
                      RegStatus* status) {
    if (readBytes != 0) return ReadStringValue(reg, key, name, readBytes, status);
    std::uint32_t size = 0;
    std::uint32_t type = 0;
    RegStatus st = reg.QueryValue(key, name, &type, nullptr, &size);
    std::string bytes;
    if (st == kRegOk) {
        bytes.resize(size);
        st = reg.QueryValue(key, name, &type, reinterpret_cast<std::uint8_t*>(bytes.data()), &size);
        bytes.resize(st == kRegOk ? size : 0);
    }
    if (status) *status = st;
    return std::string(UpToZero(bytes));
}

}  // namespace

std::span<const StoredValue> StoredValues() { return kTable; }

const StoredValue& Stored(Setting setting) { return kTable[static_cast<std::size_t>(setting)]; }

int StoredNumber(Setting setting, std::string_view text) {
    const StoredValue& row = Stored(setting);
    return std::clamp(AtoiLike(text), row.minimum, row.maximum);
}

bool SettingsReport::Failed(SettingsFailure::Step step, Setting setting) const {
    return std::find(failures.begin(), failures.end(), SettingsFailure{step, setting}) !=
           failures.end();
}

void SettingsReport::Append(const SettingsReport& other) {
    failures.insert(failures.end(), other.failures.begin(), other.failures.end());
}

SettingsReport WriteStoredValues(Registry& reg, Setting keyOf,
                                 std::span<const SettingText> values) {
    SettingsReport report;
    ScopedKey key(reg);
    if (reg.OpenKey(RegRoot::LocalMachine, Stored(keyOf).writeKey, kKeyWrite, key.Out()) !=
        kRegOk) {
        report.Add(SettingsFailure::Step::OpenKey, keyOf);
    }
    for (const SettingText& value : values) {
        const StoredValue& row = Stored(value.setting);
        const std::string_view name = row.name.empty() ? value.name : row.name;
        const RegStatus st = key.Get() == 0
                                 ? kRegInvalidHandle
                                 : SetStringValue(reg, key.Get(), name, value.text, row.bytes);
        if (st != kRegOk) report.Add(SettingsFailure::Step::SetValue, value.setting);
    }
    return report;
}

SettingsReport WriteStoredValues(Registry& reg, std::initializer_list<SettingText> values) {
    if (values.size() == 0) return {};
    return WriteStoredValues(reg, values.begin()->setting,
                             std::span<const SettingText>(values.begin(), values.size()));
}

std::string ReadStoredValue(Registry& reg, RegKey key, Setting setting, RegStatus* status,
                            std::string_view name) {
    const StoredValue& row = Stored(setting);
    if (key == 0) {
        if (status) *status = kRegInvalidHandle;
        return {};
    }
    std::string text =
        ReadBytes(reg, key, row.name.empty() ? name : row.name, row.readBytes, status);
    if (row.keepBytes != 0) text = std::string(CutAtCharBoundary(text, row.keepBytes));
    return text;
}

bool OpenForReading(Registry& reg, Setting setting, ScopedKey& key) {
    key.Close();
    return reg.OpenKey(RegRoot::LocalMachine, Stored(setting).readKey, kKeyRead, key.Out()) ==
           kRegOk;
}

}  // namespace tocklet
