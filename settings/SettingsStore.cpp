// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "settings/SettingsStore.h"

#include <algorithm>

#include "store/Text.h"

namespace tocklet {
namespace {

using Step = SettingsFailure::Step;

bool IsOn(std::string_view text) { return AtoiLike(text) != 0; }

const char* Flag(bool on) { return on ? "1" : "0"; }

}  // namespace

bool IsFirstRun(const StartupValues& values) { return AtoiLike(values.firstRunDone) == 0; }

void ApplyStartupValues(const StartupValues& values, PanelSettings& settings) {
    settings.m_strPassword = values.pass;
    settings.m_bUsePassword = IsOn(values.usePas);
    settings.m_bChimeOn = IsOn(values.clockOpen);
    settings.m_bChimeSound = IsOn(values.music);
    settings.m_bChimeText = IsOn(values.word);
    settings.m_nTaskCount = StoredNumber(Setting::TaskCount, values.happen);
    settings.m_strShutdownTime = values.closeHour;
}

std::string BannerText(const StartupValues& values) {
    return values.organization + " -- " + values.owner;
}

StartupValues SettingsStore::ReadStartup() {
    CloseStartupKeys();
    StartupValues v;
    v.currentVersionOpened = OpenForReading(reg_, Setting::Owner, cvRead_);
    v.programKeyOpened = OpenForReading(reg_, Setting::ChimeOn, programRead_);
    v.runKeyOpened = reg_.OpenKey(RegRoot::LocalMachine, Stored(Setting::Autostart).writeKey,
                                  kKeyWrite, runWrite_.Out()) == kRegOk;

    auto cv = [&](Setting s) { return ReadStoredValue(reg_, cvRead_.Get(), s); };
    auto program = [&](Setting s) { return ReadStoredValue(reg_, programRead_.Get(), s); };
    v.owner = cv(Setting::Owner);
    v.organization = cv(Setting::Organization);
    v.clockOpen = program(Setting::ChimeOn);
    v.closeHour = program(Setting::ShutdownTime);
    v.happen = program(Setting::TaskCount);
    v.music = program(Setting::ChimeSound);
    v.word = program(Setting::ChimeText);
    v.firstRunDone = cv(Setting::FirstRunDone);
    v.pass = cv(Setting::FirstPassword);
    v.usePas = cv(Setting::UsePassword);
    return v;
}

SettingsReport SettingsStore::FirstRunWrites(std::string_view executablePath) {
    SettingsReport report = WriteStoredValues(reg_, {{Setting::FirstRunDone, "1"}});
    // A path that does not fit the entry's usual bytes is stored whole with its zero byte: cut,
    // it would name no program at all.
    const StoredValue& autostart = Stored(Setting::Autostart);
    const auto count =
        std::max(autostart.bytes, static_cast<std::uint32_t>(executablePath.size() + 1));
    if (runWrite_.Get() == 0 ||
        SetStringValue(reg_, runWrite_.Get(), autostart.name, executablePath, count) != kRegOk) {
        report.Add(Step::SetValue, Setting::Autostart);
    }
    return report;
}

void SettingsStore::CloseStartupKeys() {
    cvRead_.Close();
    programRead_.Close();
    runWrite_.Close();
}

int SettingsStore::ReadTaskCount() {
    ScopedKey key(reg_);
    // A key that does not open leaves the value unread, which counts as no tasks.
    if (!OpenForReading(reg_, Setting::TaskCount, key)) return 0;
    return StoredNumber(Setting::TaskCount, ReadStoredValue(reg_, key.Get(), Setting::TaskCount));
}

SettingsReport SettingsStore::LoadOptions(PanelSettings& settings) {
    SettingsReport report;
    ScopedKey key(reg_);
    if (!OpenForReading(reg_, Setting::Repeat, key)) report.Add(Step::OpenKey, Setting::Repeat);
    auto read = [&](Setting s) {
        RegStatus st = kRegOk;
        const std::string text = ReadStoredValue(reg_, key.Get(), s, &st);
        if (st != kRegOk) report.Add(Step::ReadValue, s);
        return StoredNumber(s, text);
    };
    settings.m_nRepeat = read(Setting::Repeat);
    settings.m_nLaunchShow = read(Setting::LaunchShow);
    settings.m_nDelayMinutes = read(Setting::DelayMinutes);
    return report;
}

SettingsReport SettingsStore::SaveSettings(const PanelSettings& s) {
    const std::string count = std::to_string(s.m_nTaskCount + s.m_nTasksAdded);
    SettingsReport report =
        WriteStoredValues(reg_, {
                                    {Setting::ChimeOn, Flag(s.m_bChimeOn)},
                                    {Setting::ShutdownTime, s.m_strShutdownTime},
                                    {Setting::TaskCount, count},
                                    {Setting::ChimeSound, Flag(s.m_bChimeSound)},
                                    {Setting::ChimeText, Flag(s.m_bChimeText)},
                                });
    report.Append(SaveOptions(s));
    return report;
}

SettingsReport SettingsStore::SaveOptions(const PanelSettings& s) {
    const std::string repeat = std::to_string(s.m_nRepeat);
    const std::string launch = std::to_string(s.m_nLaunchShow);
    const std::string delay = std::to_string(s.m_nDelayMinutes);
    SettingsReport report = WriteStoredValues(reg_, {
                                                        {Setting::Repeat, repeat},
                                                        {Setting::LaunchShow, launch},
                                                        {Setting::DelayMinutes, delay},
                                                    });
    report.Append(WriteStoredValues(reg_, {{Setting::UsePassword, Flag(s.m_bUsePassword)}}));
    return report;
}

SettingsReport SettingsStore::WriteRunFlag() {
    return WriteStoredValues(reg_, {{Setting::RunFlag, "0"}});
}

SettingsReport SettingsStore::WriteOwnerNames(std::string_view organization,
                                              std::string_view owner) {
    return WriteStoredValues(reg_,
                             {{Setting::Organization, organization}, {Setting::Owner, owner}});
}

}  // namespace tocklet
