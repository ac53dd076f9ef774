// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The shutdown time dialog's spins and endings; the countdown's ticks, sounds, run marker,
// session-end gate and power-off request.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QProgressBar>

#include "PanelHarness.h"
#include "TypeText.h"
#include "controls/UpDownButtons.h"

namespace tocklet::testing {
namespace {

using Id = ShutdownTimeIds;

TEST(ShutdownTimeDlg, SpinsWrapKeepTheirLastValidPositionAndEscapeChangesNothing) {
    CShutdownTimeDlg dlg;
    auto edit = [&dlg](int id) { return ControlAs<QLineEdit>(&dlg, id); };
    std::vector<QString> opened;
    auto noteOpened = [&] {
        opened = {edit(Id::kHourEdit)->text(), edit(Id::kMinuteEdit)->text(),
                  edit(Id::kSecondEdit)->text()};
    };
    Soon([&] {
        noteOpened();
        QTest::mouseClick(ControlAs<UpDownButtons>(&dlg, Id::kHourSpin)->UpButton(),
                          Qt::LeftButton);
        QTest::keyClick(edit(Id::kSecondEdit), Qt::Key_Down);
        edit(Id::kMinuteEdit)->selectAll();
        Type(edit(Id::kMinuteEdit), U("75"));
        ControlAs<QAbstractButton>(&dlg, Id::kOk)->click();
    });
    EXPECT_EQ(dlg.DoModal({23, 5, 0}), kIdOk);
    EXPECT_EQ(opened, (std::vector<QString>{"23", "5", "0"}));
    EXPECT_EQ(dlg.Time(), (ShutdownTime{0, 5, 59}));
    // The installer's unarmed -1:-1:-1 opens as 0:0:0; Escape leaves it unarmed.
    Soon([&] {
        noteOpened();
        QTest::keyClick(&dlg, Qt::Key_Escape);
    });
    EXPECT_EQ(dlg.DoModal({-1, -1, -1}), kIdCancel);
    EXPECT_EQ(opened, (std::vector<QString>{"0", "0", "0"}));
    EXPECT_EQ(dlg.Time(), (ShutdownTime{-1, -1, -1}));
}

struct Countdown {
    FakeTimers timers;
    FakeSound sound;
    FakeMessageBoxes boxes;
    FakePowerOff powerOff;
    FakeRegistry registry;
    SettingsStore store{registry};
    bool sessionMayEnd = true;
    CShutdownWarnDlg dlg{CountdownServices{timers, sound, boxes, powerOff,
                                           [this] { return store.WriteRunFlag(); },
                                           [this] { return sessionMayEnd; }}};

    Countdown() { registry.AddKey("Config"); }
    // Delivers up to n ticks of the countdown's timer while it runs.
    void Tick(int n) {
        for (int i = 0; i < n && timers.IsRunning(kCountdownTimer); ++i) {
            timers.Fire(kCountdownTimer);
        }
    }
    void Click(int id) { ControlAs<QAbstractButton>(&dlg, id)->click(); }
    // Opens the countdown, runs during() inside it and closes it with "取消[&C]".
    int Run(const std::function<void()>& during) {
        Soon([this, during] {
            during();
            Click(ShutdownWarnIds::kCancel);
        });
        return dlg.DoModal();
    }
    int Bar() { return ControlAs<QProgressBar>(&dlg, ShutdownWarnIds::kProgress)->value(); }
};

TEST(ShutdownWarnDlg, ThirtySecondsThenMarkerGateRequestAndTheLastSound) {
    const std::string saveFailed = Gb("  保存数据失败!  "), pathFailed = "Fail to set path value";
    struct Case {
        int broken;          // 0: nothing, 1: "Config" cannot be opened, 2: "run" cannot be set
        bool sessionMayEnd;  // false: the password refused, the computer keeps running
        std::vector<std::string> messages;
    };
    for (const Case& k : std::vector<Case>{{0, true, {}},
                                           {1, true, {saveFailed, pathFailed}},
                                           {2, true, {pathFailed}},
                                           {0, false, {}}}) {
        Countdown c;
        if (k.broken == 1) c.registry.FailOpenForWrite("Config");
        if (k.broken == 2) c.registry.FailSet("Config", "run");
        c.sessionMayEnd = k.sessionMayEnd;
        std::size_t soundsAtRequest = 0;
        c.powerOff.onRequest = [&] { soundsAtRequest = c.sound.played.size(); };
        bool openWithFullBar = false;
        c.Run([&] {
            c.Tick(400);
            openWithFullBar = c.dlg.isVisible() && c.Bar() == 300;
        });
        EXPECT_EQ(c.boxes.Texts(), k.messages);
        EXPECT_EQ(c.powerOff.requests, k.sessionMayEnd ? 1 : 0);
        EXPECT_EQ(soundsAtRequest, k.sessionMayEnd ? 29u : 0u);  // the 30th sound follows
        EXPECT_EQ(c.sound.played, std::vector<FakeSound::Played>(30, {"close.wav", true}));
        EXPECT_TRUE(openWithFullBar);
        EXPECT_EQ(c.registry.Get("Config", "run"),
                  k.broken ? std::optional<std::string>() : std::string("0\0", 2));
    }
}

TEST(ShutdownWarnDlg, CancelAt299AndEscapeMakeNoRequestAndShutDownNowTakesOneTick) {
    Countdown c;
    EXPECT_EQ(c.Run([&] { c.Tick(299); }), kIdOk);
    Soon([&] { QTest::keyClick(&c.dlg, Qt::Key_Escape); });
    EXPECT_EQ(c.dlg.DoModal(), kIdCancel);
    EXPECT_FALSE(c.registry.Get("Config", "run").has_value());
    EXPECT_EQ(c.powerOff.requests, 0);
    EXPECT_FALSE(c.timers.IsRunning(kCountdownTimer));
    c.Run([&] {
        c.Tick(7);
        c.Click(ShutdownWarnIds::kShutdownNow);
        c.Tick(1);
        EXPECT_EQ(c.powerOff.requests, 1);
        c.Click(ShutdownWarnIds::kShutdownNow);  // the timer has stopped: nothing more
        c.Tick(10);
    });
    EXPECT_EQ(c.powerOff.requests, 1);
}

}  // namespace
}  // namespace tocklet::testing
