// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The messages the panel shows for the settings store's reports, in the order it shows them.
#include <gtest/gtest.h>

#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakeRegistry.h"
#include "shell/SettingsMessages.h"
#include "store/Text.h"

namespace tocklet {
namespace {

using testing::FakeMessageBoxes;
using testing::FakeRegistry;

class SettingsMessagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        reg.AddKey(kProgramKeyRead);
        reg.AddKey(kCurrentVersionKeyRead);
        reg.AddKey(kRunKey);
    }
    std::vector<std::string> Shown(const std::vector<Notice>& notices) {
        FakeMessageBoxes boxes;
        ShowNotices(boxes, notices);
        for (const auto& b : boxes.shown) {
            EXPECT_EQ(b.caption, kAppCaption);
            EXPECT_EQ(b.buttons, MbButtons::Ok);
            EXPECT_EQ(b.icon, MbIcon::None);
        }
        return boxes.Texts();
    }
    static PanelSettings Sample() {
        PanelSettings s;
        s.m_strShutdownTime = "23:59:59";
        s.m_nTaskCount = 3;
        return s;
    }

    FakeRegistry reg;
    SettingsStore store{reg};
};

TEST_F(SettingsMessagesTest, MissingProgramKeyGivesTheFullMessageSequence) {
    FakeRegistry bare;
    bare.AddKey(kCurrentVersionKeyRead);
    SettingsStore s(bare);
    PanelSettings p = Sample();
    const std::string damaged = Gb(" 注册表已经损坏");
    EXPECT_EQ(Shown(LoadOptionsMessages(s.LoadOptions(p))), std::vector<std::string>(4, damaged));

    const std::string saveFailed = Gb("  保存数据失败!  ");
    EXPECT_EQ(Shown(SaveMessages(s.SaveSettings(Sample()))),
              (std::vector<std::string>{saveFailed, "Fail to set clockopenvalue",
                                        "Fail to set closehour value", "Fail to set happen value",
                                        "Fail to set happen value", "Fail to set happen value",
                                        saveFailed, damaged, damaged, damaged}));
}

TEST_F(SettingsMessagesTest, EachFailedWriteHasItsOwnMessageAndUsePasNone) {
    reg.FailSet(kProgramKeyWrite, "CloseHour");
    reg.FailSet(kProgramKeyWrite, "word");
    reg.FailSet(kProgramKeyWrite, "Status");
    reg.FailOpenForWrite(kCurrentVersionKeyWrite);
    EXPECT_EQ(Shown(SaveMessages(store.SaveSettings(Sample()))),
              (std::vector<std::string>{"Fail to set closehour value", "Fail to set happen value",
                                        Gb(" 注册表已经损坏")}));
}

TEST_F(SettingsMessagesTest, StartUpAndFirstRunFailures) {
    FakeRegistry bare;
    SettingsStore s(bare);
    EXPECT_EQ(Shown(StartupReadMessages(s.ReadStartup())),
              (std::vector<std::string>{Gb(" 初 始 化 错 误!")}));
    EXPECT_TRUE(StartupReadMessages(store.ReadStartup()).empty());

    reg.FailOpenForWrite(kCurrentVersionKeyRead);
    EXPECT_EQ(Shown(FirstRunMessages(store.FirstRunWrites("/bin/t"))),
              (std::vector<std::string>{Gb("  错误 !  "), "Fail to set value"}));
    // Without the Run key only "new" speaks; the autostart entry is silent.
    FakeRegistry r2;
    r2.AddKey(kCurrentVersionKeyRead);
    r2.FailSet(kCurrentVersionKeyRead, "new");
    SettingsStore s2(r2);
    EXPECT_TRUE(s2.ReadStartup().currentVersionOpened);
    EXPECT_EQ(Shown(FirstRunMessages(s2.FirstRunWrites("/bin/t"))),
              (std::vector<std::string>{"Fail to set value"}));
}

}  // namespace
}  // namespace tocklet
