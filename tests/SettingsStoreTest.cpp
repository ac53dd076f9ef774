// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include "fakes/FakeProfile.h"
#include "fakes/FakeRegistry.h"
#include "settings/ClockOptions.h"
#include "settings/SettingsStore.h"
#include "settings/ShutdownTime.h"
#include "store/Text.h"

namespace tocklet {
namespace {

using testing::FakeProfile;
using testing::FakeRegistry;
using Step = SettingsFailure::Step;
using Failures = std::vector<SettingsFailure>;

std::string Bytes(const char* s, std::size_t n) { return std::string(s, n); }

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        reg.AddKey(kProgramKeyRead);
        reg.AddKey(kCurrentVersionKeyRead);
        reg.AddKey(kRunKey);
    }
    std::optional<std::string> Program(std::string_view name) const {
        return reg.Get(kProgramKeyRead, name);
    }
    std::optional<std::string> CurrentVersion(std::string_view name) const {
        return reg.Get(kCurrentVersionKeyRead, name);
    }
    static PanelSettings Sample() {
        PanelSettings s;
        s.m_bChimeOn = true;
        s.m_bChimeSound = true;
        s.m_bChimeText = false;
        s.m_bUsePassword = true;
        s.m_strShutdownTime = "23:59:59";
        s.m_nTaskCount = 3;
        s.m_nTasksAdded = 2;
        s.m_nRepeat = 5;
        s.m_nLaunchShow = 1;
        s.m_nDelayMinutes = 60;
        return s;
    }

    FakeRegistry reg;
    FakeProfile profile;
    SettingsStore store{reg};
};

TEST_F(SettingsStoreTest, SaveWritesExactBytesInOrder) {
    EXPECT_TRUE(store.SaveSettings(Sample()).Ok());
    std::vector<std::pair<std::string, std::string>> got;
    for (const auto& w : reg.writes) got.emplace_back(w.name, w.bytes);
    const std::vector<std::pair<std::string, std::string>> want = {
        {"ClockOpen", "1"},  // one byte, no terminator
        {"CloseHour", Bytes("23:59:59\0\0", 10)},
        {"happen", Bytes("5\0\0", 3)},
        {"music", Bytes("1\0", 2)},
        {"word", Bytes("0\0\0", 3)},
        {"Repeat", Bytes("5\0\0", 3)},
        {"Status", Bytes("1\0", 2)},
        {"DelayTime", Bytes("60\0", 3)},
        {"UsePas", Bytes("1\0\0", 3)},
    };
    EXPECT_EQ(got, want);
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(reg.writes[i].key, "SoftWare\\Microsoft\\Windows\\tocklet");
    }
    EXPECT_EQ(reg.writes[8].key, "SoftWare\\Microsoft\\Windows\\CurrentVersion");
    EXPECT_EQ(reg.OpenHandles(), 0u);
    EXPECT_TRUE(store.SaveOptions(Sample()).Ok());
}

TEST_F(SettingsStoreTest, ChimeOffIsAZeroByte) {
    PanelSettings s;
    EXPECT_TRUE(store.SaveSettings(s).Ok());
    EXPECT_EQ(Program("ClockOpen"), "0");
    EXPECT_EQ(Program("CloseHour"), std::string(10, '\0'));
}

TEST_F(SettingsStoreTest, MissingProgramKeyReportsEveryStep) {
    FakeRegistry bare;
    bare.AddKey(kCurrentVersionKeyRead);
    SettingsStore s(bare);
    PanelSettings p = Sample();
    EXPECT_EQ(s.LoadOptions(p).failures, (Failures{{Step::OpenKey, Setting::Repeat},
                                                   {Step::ReadValue, Setting::Repeat},
                                                   {Step::ReadValue, Setting::LaunchShow},
                                                   {Step::ReadValue, Setting::DelayMinutes}}));
    EXPECT_EQ(p.m_nRepeat, 0);
    EXPECT_EQ(p.m_nLaunchShow, 0);
    EXPECT_EQ(p.m_nDelayMinutes, 0);

    EXPECT_EQ(s.SaveSettings(Sample()).failures,
              (Failures{{Step::OpenKey, Setting::ChimeOn},
                        {Step::SetValue, Setting::ChimeOn},
                        {Step::SetValue, Setting::ShutdownTime},
                        {Step::SetValue, Setting::TaskCount},
                        {Step::SetValue, Setting::ChimeSound},
                        {Step::SetValue, Setting::ChimeText},
                        {Step::OpenKey, Setting::Repeat},
                        {Step::SetValue, Setting::Repeat},
                        {Step::SetValue, Setting::LaunchShow},
                        {Step::SetValue, Setting::DelayMinutes}}));
    // UsePas still reaches the CurrentVersion key.
    EXPECT_EQ(bare.Get(kCurrentVersionKeyRead, "UsePas"), Bytes("1\0\0", 3));
}

TEST_F(SettingsStoreTest, EachFailedWriteHasItsOwnMessage) {
    reg.FailSet(kProgramKeyWrite, "CloseHour");
    reg.FailSet(kProgramKeyWrite, "word");
    reg.FailSet(kProgramKeyWrite, "Status");
    EXPECT_EQ(store.SaveSettings(Sample()).failures,
              (Failures{{Step::SetValue, Setting::ShutdownTime},
                        {Step::SetValue, Setting::ChimeText},
                        {Step::SetValue, Setting::LaunchShow}}));
    EXPECT_EQ(Program("DelayTime"), Bytes("60\0", 3));
}

TEST_F(SettingsStoreTest, LoadOptionsReadsAndBoundsTheOptions) {
    reg.Put(kProgramKeyRead, "Repeat", Bytes("3\0\0", 3));
    reg.Put(kProgramKeyRead, "Status", Bytes("1\0", 2));
    reg.Put(kProgramKeyRead, "DelayTime", Bytes("45\0", 3));
    PanelSettings p;
    EXPECT_TRUE(store.LoadOptions(p).Ok());
    EXPECT_EQ(p.m_nRepeat, 3);
    EXPECT_EQ(p.m_nLaunchShow, 1);
    EXPECT_EQ(p.m_nDelayMinutes, 45);

    // Hand-edited values outside what the sliders offer are brought into range; "Status"
    // missing means minimised, with its message.
    reg.Put(kProgramKeyRead, "Repeat", Bytes("9\0\0", 3));
    reg.Put(kProgramKeyRead, "DelayTime", Bytes("-5\0", 3));
    reg.Remove(kProgramKeyRead, "Status");
    EXPECT_EQ(store.LoadOptions(p).failures, (Failures{{Step::ReadValue, Setting::LaunchShow}}));
    EXPECT_EQ(p.m_nRepeat, 5);
    EXPECT_EQ(p.m_nDelayMinutes, 0);
    EXPECT_EQ(p.m_nLaunchShow, 0);
}

TEST_F(SettingsStoreTest, StartupReadTakesEveryValue) {
    reg.Put(kCurrentVersionKeyRead, "RegisteredOwner", Bytes("Li Lei\0", 7));
    reg.Put(kCurrentVersionKeyRead, "RegisteredOrganization", Gb("北京大学"));
    reg.Put(kCurrentVersionKeyRead, "new", Bytes("1\0", 2));
    reg.Put(kCurrentVersionKeyRead, "pass", "0123456789A");  // 11 bytes, no terminator
    reg.Put(kCurrentVersionKeyRead, "UsePas", Bytes("1\0\0", 3));
    reg.Put(kProgramKeyRead, "ClockOpen", "1");
    reg.Put(kProgramKeyRead, "CloseHour", Bytes("21:30:0\0\0\0", 10));
    reg.Put(kProgramKeyRead, "happen", Bytes("12\0", 3));
    reg.Put(kProgramKeyRead, "music", Bytes("1\0", 2));
    reg.Put(kProgramKeyRead, "word", Bytes("0\0\0", 3));

    StartupValues v = store.ReadStartup();
    EXPECT_TRUE(v.currentVersionOpened);
    EXPECT_EQ(v.owner, "Li Lei");
    EXPECT_EQ(BannerText(v), Gb("北京大学") + " -- Li Lei");
    EXPECT_EQ(v.pass, "0123456789A");
    EXPECT_FALSE(IsFirstRun(v));
    EXPECT_EQ(reg.OpenHandles(), 3u);  // kept open for the first-run writes
    store.CloseStartupKeys();
    EXPECT_EQ(reg.OpenHandles(), 0u);

    PanelSettings p;
    ApplyStartupValues(v, p);
    EXPECT_TRUE(p.m_bChimeOn);
    EXPECT_TRUE(p.m_bChimeSound);
    EXPECT_FALSE(p.m_bChimeText);
    EXPECT_TRUE(p.m_bUsePassword);
    EXPECT_EQ(p.m_nTaskCount, 12);
    EXPECT_EQ(p.m_strShutdownTime, "21:30:0");
    EXPECT_EQ(p.m_strPassword, "0123456789A");
    const ShutdownTime time = SplitShutdownTime(p.m_strShutdownTime);
    EXPECT_EQ(time.m_nHour, 21);
    EXPECT_EQ(time.m_nMinute, 30);
    EXPECT_EQ(time.m_nSecond, 0);
}

TEST_F(SettingsStoreTest, StartupWithoutValuesIsAFirstRunWithDefaults) {
    FakeRegistry bare;
    SettingsStore s(bare);
    StartupValues v = s.ReadStartup();
    EXPECT_FALSE(v.currentVersionOpened);
    EXPECT_TRUE(IsFirstRun(v));
    PanelSettings p;
    p.m_bChimeOn = true;
    ApplyStartupValues(v, p);
    EXPECT_FALSE(p.m_bChimeOn);
    EXPECT_EQ(p.m_nTaskCount, 0);
    EXPECT_EQ(p.m_strShutdownTime, "");
    EXPECT_EQ(p.m_strPassword, "");
}

TEST_F(SettingsStoreTest, LongOwnerNamesKeepWhatFitsWithoutCuttingACharacter) {
    // 28 ASCII bytes then a two-byte character: byte 29 would split it.
    const std::string owner = std::string(28, 'o') + Gb("王") + "x";
    const std::string org = std::string(38, 'g') + Gb("大学");
    reg.Put(kCurrentVersionKeyRead, "RegisteredOwner", owner + std::string(1, '\0'));
    reg.Put(kCurrentVersionKeyRead, "RegisteredOrganization", org);
    StartupValues v = store.ReadStartup();
    EXPECT_EQ(v.owner, std::string(28, 'o'));
    EXPECT_EQ(v.organization, std::string(38, 'g'));
    reg.Put(kCurrentVersionKeyRead, "RegisteredOwner", std::string(29, 'a'));
    EXPECT_EQ(store.ReadStartup().owner, std::string(29, 'a'));
}

TEST_F(SettingsStoreTest, OversizedShutdownTimeReadsAsEmpty) {
    reg.Put(kProgramKeyRead, "CloseHour", "12:00:00:00:00");
    EXPECT_EQ(store.ReadStartup().closeHour, "");
}

TEST_F(SettingsStoreTest, OversizedPasswordIsKeptWholeNotEmpty) {
    // Empty would mean "no password yet", which lets every prompt through.
    reg.Put(kCurrentVersionKeyRead, "pass", std::string("0123456789AB\0", 13));
    EXPECT_EQ(store.ReadStartup().pass, "0123456789AB");
}

TEST_F(SettingsStoreTest, FirstRunWritesMarkerAndAutostart) {
    EXPECT_TRUE(store.ReadStartup().runKeyOpened);
    EXPECT_TRUE(store.FirstRunWrites("/usr/bin/tocklet").Ok());
    store.CloseStartupKeys();
    ASSERT_EQ(reg.writes.size(), 2u);
    EXPECT_EQ(reg.writes[0].key, "Software\\Microsoft\\Windows\\CurrentVersion");
    EXPECT_EQ(reg.writes[0].name, "new");
    EXPECT_EQ(reg.writes[0].bytes, Bytes("1\0", 2));
    EXPECT_EQ(reg.writes[1].key, "Software\\Microsoft\\Windows\\CurrentVersion\\Run");
    EXPECT_EQ(reg.writes[1].name, "ZidezArudiva");
    EXPECT_EQ(reg.writes[1].bytes, StoredString("/usr/bin/tocklet", 128));
}

TEST_F(SettingsStoreTest, AutostartPathIsNeverStoredCut) {
    const std::string p127 = "/" + std::string(126, 'p');
    const std::string p200 = "/" + std::string(199, 'p');
    EXPECT_TRUE(store.ReadStartup().runKeyOpened);
    EXPECT_TRUE(store.FirstRunWrites(p127).Ok());
    EXPECT_EQ(reg.Get(kRunKey, "ZidezArudiva"), StoredString(p127, 128));
    EXPECT_TRUE(store.FirstRunWrites(p200).Ok());
    EXPECT_EQ(reg.Get(kRunKey, "ZidezArudiva"), p200 + std::string(1, '\0'));
}

TEST_F(SettingsStoreTest, FirstRunFailuresAreReported) {
    reg.FailOpenForWrite(kCurrentVersionKeyRead);
    EXPECT_TRUE(store.ReadStartup().currentVersionOpened);  // for reading
    EXPECT_EQ(store.FirstRunWrites("/bin/t").failures,
              (Failures{{Step::OpenKey, Setting::FirstRunDone},
                        {Step::SetValue, Setting::FirstRunDone}}));
    // The autostart entry does not depend on the CurrentVersion key.
    EXPECT_EQ(reg.Get(kRunKey, "ZidezArudiva"), StoredString("/bin/t", 128));

    FakeRegistry r2;
    r2.AddKey(kCurrentVersionKeyRead);
    r2.FailSet(kCurrentVersionKeyRead, "new");
    SettingsStore s2(r2);
    EXPECT_FALSE(s2.ReadStartup().runKeyOpened);
    EXPECT_EQ(
        s2.FirstRunWrites("/bin/t").failures,  // no Run key: the entry is not stored
        (Failures{{Step::SetValue, Setting::FirstRunDone}, {Step::SetValue, Setting::Autostart}}));
}

TEST_F(SettingsStoreTest, TaskCountsUpToTwentySurviveSaveAndRestart) {
    for (int n = 10; n <= 20; ++n) {
        for (int v = 1; v <= n; ++v) {
            reg.Put(kProgramKeyRead, std::to_string(v),
                    StoredString("111," + std::to_string(v) + "_|t" + std::to_string(v), 100));
        }
        PanelSettings s;
        s.m_nTaskCount = n - 1;
        s.m_nTasksAdded = 1;
        EXPECT_TRUE(store.SaveSettings(s).Ok());
        EXPECT_EQ(Program("happen"), StoredString(std::to_string(n), 3));

        PanelSettings after;
        ApplyStartupValues(store.ReadStartup(), after);
        store.CloseStartupKeys();
        EXPECT_EQ(after.m_nTaskCount, n);
    }
}

TEST_F(SettingsStoreTest, RunFlagAndOwnerNamesHaveTheirBytesAndReportTheirFailures) {
    reg.AddKey(kConfigKey);
    EXPECT_TRUE(store.WriteRunFlag().Ok());
    EXPECT_TRUE(store.WriteOwnerNames(std::string(30, 'o'), Gb("李雷")).Ok());
    ASSERT_EQ(reg.writes.size(), 3u);
    EXPECT_EQ(reg.writes[0].key, "Config");
    EXPECT_EQ(reg.writes[0].name, "run");
    EXPECT_EQ(reg.writes[0].bytes, Bytes("0\0", 2));
    EXPECT_EQ(reg.writes[1].key, kCurrentVersionKeyWrite);
    EXPECT_EQ(reg.writes[1].name, "RegisteredOrganization");
    EXPECT_EQ(reg.writes[1].bytes, std::string(30, 'o'));  // whole, without its zero byte
    EXPECT_EQ(reg.writes[2].name, "RegisteredOwner");
    EXPECT_EQ(reg.writes[2].bytes, StoredString(Gb("李雷"), 16));

    FakeRegistry bare;
    SettingsStore s(bare);
    EXPECT_EQ(s.WriteRunFlag().failures,
              (Failures{{Step::OpenKey, Setting::RunFlag}, {Step::SetValue, Setting::RunFlag}}));
    reg.FailSet(kCurrentVersionKeyWrite, "RegisteredOwner");
    EXPECT_EQ(store.WriteOwnerNames("", "").failures, (Failures{{Step::SetValue, Setting::Owner}}));
}

}  // namespace
}  // namespace tocklet
