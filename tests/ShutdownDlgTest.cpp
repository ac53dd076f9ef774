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
    bool sessionMayEnd = true;
    CShutdownWarnDlg dlg{CountdownServices{timers, sound, boxes, powerOff,
                                           [this] { return WriteRunFlag(registry); },
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
    struct Case {
        std::function<void(FakeRegistry&)> breakIt;
        bool sessionMayEnd;
        std::vector<std::string> messages;
        int requests;
    };
    const std::vector<Case> cases = {
        {[](FakeRegistry&) {}, true, {}, 1},
        {[](FakeRegistry& r) { r.FailOpenForWrite("Config"); },
         true,
         {Gb("  保存数据失败!  "), "Fail to set path value"},
         1},
        {[](FakeRegistry& r) { r.FailSet("Config", "run"); }, true, {"Fail to set path value"}, 1},
        // The password refused: the computer keeps running and the full bar stays.
        {[](FakeRegistry&) {}, false, {}, 0},
    };
    for (const Case& k : cases) {
        Countdown c;
        k.breakIt(c.registry);
        c.sessionMayEnd = k.sessionMayEnd;
        std::size_t soundsAtRequest = 0;
        c.powerOff.onRequest = [&] { soundsAtRequest = c.sound.played.size(); };
        bool openWithFullBar = false;
        c.Run([&] {
            c.Tick(400);
            openWithFullBar = c.dlg.isVisible() && c.Bar() == 300;
        });
        EXPECT_EQ(c.boxes.Texts(), k.messages);
        EXPECT_EQ(c.powerOff.requests, k.requests);
        EXPECT_EQ(soundsAtRequest, k.requests ? 29u : 0u);  // the 30th sound follows
        EXPECT_EQ(c.sound.played, std::vector<FakeSound::Played>(30, {"close.wav", true}));
        EXPECT_TRUE(openWithFullBar);
    }
    Countdown c;
    c.Run([&] { c.Tick(300); });
    EXPECT_EQ(c.registry.Get("Config", "run"), std::string("0\0", 2));
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
