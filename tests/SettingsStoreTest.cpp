#include <gtest/gtest.h>

#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakeProfile.h"
#include "fakes/FakeRegistry.h"
#include "platform/Text.h"
#include "shell/SettingsStore.h"
#include "tasks/TaskStore.h"

namespace tocklet {
namespace {

using testing::FakeMessageBoxes;
using testing::FakeProfile;
using testing::FakeRegistry;

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
        s.m_bChimeOn = 1;
        s.m_bChimeSound = 1;
        s.m_bChimeText = 0;
        s.m_bUsePassword = 1;
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
    FakeMessageBoxes boxes;
    SettingsStore store{reg, profile, boxes};
};

TEST_F(SettingsStoreTest, SaveWritesExactBytesInOrder) {
    store.SaveSettings(Sample());
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
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(reg.OpenHandles(), 0u);
    EXPECT_EQ(store.SaveOptions(Sample()), 1);
}

TEST_F(SettingsStoreTest, ChimeOffIsAZeroByte) {
    PanelSettings s;
    store.SaveSettings(s);
    EXPECT_EQ(Program("ClockOpen"), "0");
    EXPECT_EQ(Program("CloseHour"), std::string(10, '\0'));
}

TEST_F(SettingsStoreTest, MissingProgramKeyGivesTheFullMessageSequence) {
    FakeRegistry bare;
    bare.AddKey(kCurrentVersionKeyRead);
    SettingsStore s(bare, profile, boxes);
    PanelSettings p = Sample();
    s.LoadOptions(p);
    const std::string damaged = Gb(" 注册表已经损坏");
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>(4, damaged));
    EXPECT_EQ(p.m_nRepeat, 0);
    EXPECT_EQ(p.m_nLaunchShow, 0);
    EXPECT_EQ(p.m_nDelayMinutes, 0);

    boxes.shown.clear();
    s.SaveSettings(Sample());
    const std::string saveFailed = Gb("  保存数据失败!  ");
    EXPECT_EQ(boxes.Texts(),
              (std::vector<std::string>{saveFailed, "Fail to set clockopenvalue",
                                        "Fail to set closehour value", "Fail to set happen value",
                                        "Fail to set happen value", "Fail to set happen value",
                                        saveFailed, damaged, damaged, damaged}));
    for (const auto& b : boxes.shown) {
        EXPECT_EQ(b.caption, kAppCaption);
        EXPECT_EQ(b.buttons, MbButtons::Ok);
        EXPECT_EQ(b.icon, MbIcon::None);
    }
    // UsePas still reaches the CurrentVersion key.
    EXPECT_EQ(bare.Get(kCurrentVersionKeyRead, "UsePas"), Bytes("1\0\0", 3));
}

TEST_F(SettingsStoreTest, EachFailedWriteHasItsOwnMessage) {
    reg.FailSet(kProgramKeyWrite, "CloseHour");
    reg.FailSet(kProgramKeyWrite, "word");
    reg.FailSet(kProgramKeyWrite, "Status");
    store.SaveSettings(Sample());
    EXPECT_EQ(boxes.Texts(),
              (std::vector<std::string>{"Fail to set closehour value", "Fail to set happen value",
                                        Gb(" 注册表已经损坏")}));
    EXPECT_EQ(Program("DelayTime"), Bytes("60\0", 3));
}

TEST_F(SettingsStoreTest, LoadOptionsReadsAndBoundsTheOptions) {
    reg.Put(kProgramKeyRead, "Repeat", Bytes("3\0\0", 3));
    reg.Put(kProgramKeyRead, "Status", Bytes("1\0", 2));
    reg.Put(kProgramKeyRead, "DelayTime", Bytes("45\0", 3));
    PanelSettings p;
    store.LoadOptions(p);
    EXPECT_EQ(p.m_nRepeat, 3);
    EXPECT_EQ(p.m_nLaunchShow, 1);
    EXPECT_EQ(p.m_nDelayMinutes, 45);
    EXPECT_TRUE(boxes.shown.empty());

    // Hand-edited values outside what the sliders offer are brought into range; "Status"
    // missing means minimised, with its message.
    reg.Put(kProgramKeyRead, "Repeat", Bytes("9\0\0", 3));
    reg.Put(kProgramKeyRead, "DelayTime", Bytes("-5\0", 3));
    reg.Remove(kProgramKeyRead, "Status");
    store.LoadOptions(p);
    EXPECT_EQ(p.m_nRepeat, 5);
    EXPECT_EQ(p.m_nDelayMinutes, 0);
    EXPECT_EQ(p.m_nLaunchShow, 0);
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{Gb(" 注册表已经损坏")}));
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
    EXPECT_TRUE(boxes.shown.empty());

    PanelSettings p;
    ApplyStartupValues(v, p);
    EXPECT_EQ(p.m_bChimeOn, 1);
    EXPECT_EQ(p.m_bChimeSound, 1);
    EXPECT_EQ(p.m_bChimeText, 0);
    EXPECT_EQ(p.m_bUsePassword, 1);
    EXPECT_EQ(p.m_nTaskCount, 12);
    EXPECT_EQ(p.m_strShutdownTime, "21:30:0");
    EXPECT_EQ(p.m_strPassword, "0123456789A");
}

TEST_F(SettingsStoreTest, StartupWithoutValuesIsAFirstRunWithDefaults) {
    FakeRegistry bare;
    SettingsStore s(bare, profile, boxes);
    StartupValues v = s.ReadStartup();
    EXPECT_FALSE(v.currentVersionOpened);
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{Gb(" 初 始 化 错 误!")}));
    EXPECT_TRUE(IsFirstRun(v));
    PanelSettings p;
    p.m_bChimeOn = 1;
    ApplyStartupValues(v, p);
    EXPECT_EQ(p.m_bChimeOn, 0);
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
    store.ReadStartup();
    store.FirstRunWrites("/usr/bin/tocklet");
    store.CloseStartupKeys();
    ASSERT_EQ(reg.writes.size(), 2u);
    EXPECT_EQ(reg.writes[0].key, "Software\\Microsoft\\Windows\\CurrentVersion");
    EXPECT_EQ(reg.writes[0].name, "new");
    EXPECT_EQ(reg.writes[0].bytes, Bytes("1\0", 2));
    EXPECT_EQ(reg.writes[1].key, "Software\\Microsoft\\Windows\\CurrentVersion\\Run");
    EXPECT_EQ(reg.writes[1].name, "ZidezArudiva");
    EXPECT_EQ(reg.writes[1].bytes, StoredString("/usr/bin/tocklet", 128));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SettingsStoreTest, AutostartPathIsNeverStoredCut) {
    const std::string p127 = "/" + std::string(126, 'p');
    const std::string p200 = "/" + std::string(199, 'p');
    store.ReadStartup();
    store.FirstRunWrites(p127);
    EXPECT_EQ(reg.Get(kRunKey, kAutostartValue), StoredString(p127, 128));
    store.FirstRunWrites(p200);
    EXPECT_EQ(reg.Get(kRunKey, kAutostartValue), p200 + std::string(1, '\0'));
}

TEST_F(SettingsStoreTest, FirstRunFailuresAreReported) {
    reg.FailOpenForWrite(kCurrentVersionKeyRead);
    store.ReadStartup();
    store.FirstRunWrites("/bin/t");
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{Gb("  错误 !  "), "Fail to set value"}));
    // The autostart entry does not depend on the CurrentVersion key.
    EXPECT_EQ(reg.Get(kRunKey, kAutostartValue), StoredString("/bin/t", 128));

    boxes.shown.clear();
    FakeRegistry r2;
    r2.AddKey(kCurrentVersionKeyRead);
    r2.FailSet(kCurrentVersionKeyRead, "new");
    SettingsStore s2(r2, profile, boxes);
    s2.ReadStartup();
    s2.FirstRunWrites("/bin/t");  // no Run key: silently not stored
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"Fail to set value"}));
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
        store.SaveSettings(s);
        EXPECT_EQ(Program("happen"), StoredString(std::to_string(n), 3));

        PanelSettings after;
        ApplyStartupValues(store.ReadStartup(), after);
        store.CloseStartupKeys();
        EXPECT_EQ(after.m_nTaskCount, n);
        TaskStore tasks(reg, boxes);
        tasks.LoadTasks(after.m_nTaskCount);
        EXPECT_EQ(tasks.m_nDailyCount, n);
        EXPECT_EQ(tasks.m_dailyTasks[static_cast<std::size_t>(n - 1)].Target(),
                  "t" + std::to_string(n));
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SettingsStoreTest, ClockOptionsAndColours) {
    EXPECT_EQ(store.ReadClockOptions().clock, 0);
    EXPECT_EQ(store.ReadClockOptions().color, 0);
    profile.Put("OPTION", "Clock", "1");
    profile.Put("option", "color", "4");
    ClockOptions o = store.ReadClockOptions();
    EXPECT_EQ(o.clock, 1);
    EXPECT_EQ(o.color, 4);

    EXPECT_EQ(ClockColorFromNumber(1), 0x0000FFu);
    EXPECT_EQ(ClockColorFromNumber(2), 0x00FF00u);
    EXPECT_EQ(ClockColorFromNumber(3), 0xFF0000u);
    EXPECT_EQ(ClockColorFromNumber(4), 0x00FFFFu);
    EXPECT_EQ(ClockColorFromNumber(5), 0xFFFF00u);
    EXPECT_EQ(ClockColorFromNumber(6), 0xFFFFFFu);
    EXPECT_EQ(ClockColorFromNumber(0), Rgb(0, 255, 0));
    EXPECT_EQ(ClockColorFromNumber(7), Rgb(0, 255, 0));
    EXPECT_EQ(ClockColorFromNumber(-1), Rgb(0, 255, 0));
}

}  // namespace
}  // namespace tocklet
