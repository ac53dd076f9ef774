// The shutdown time dialog's spins and endings; the countdown's ticks, sounds, run marker,
// session-end gate and power-off request.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QProgressBar>

#include "PanelHarness.h"
#include "TypeText.h"
#include "controls/UpDownButtons.h"
#include "shutdown/ShutdownTimeDlg.h"
#include "shutdown/ShutdownWarnDlg.h"

namespace tocklet::testing {
namespace {

using Id = ShutdownTimeIds;

std::string EditText(QWidget* dialog, int id) {
    return ControlAs<QLineEdit>(dialog, id)->text().toStdString();
}

TEST(ShutdownTimeDlg, SpinsWrapKeepTheirLastValidPositionAndEscapeChangesNothing) {
    CShutdownTimeDlg dlg;
    std::vector<std::string> opened;
    Soon([&] {
        opened = {EditText(&dlg, Id::kHourEdit), EditText(&dlg, Id::kMinuteEdit),
                  EditText(&dlg, Id::kSecondEdit)};
        QTest::mouseClick(ControlAs<UpDownButtons>(&dlg, Id::kHourSpin)->UpButton(),
                          Qt::LeftButton);
        QTest::keyClick(ControlAs<QLineEdit>(&dlg, Id::kSecondEdit), Qt::Key_Down);
        ControlAs<QLineEdit>(&dlg, Id::kMinuteEdit)->selectAll();
        Type(ControlAs<QLineEdit>(&dlg, Id::kMinuteEdit), U("75"));
        ControlAs<QAbstractButton>(&dlg, Id::kOk)->click();
    });
    EXPECT_EQ(dlg.DoModal({23, 5, 0}), kIdOk);
    EXPECT_EQ(opened, (std::vector<std::string>{"23", "5", "0"}));
    EXPECT_EQ(dlg.Time(), (ShutdownTime{0, 5, 59}));

    // The installer's unarmed -1:-1:-1 opens as 0:0:0; Escape leaves it unarmed.
    Soon([&] {
        opened = {EditText(&dlg, Id::kHourEdit), EditText(&dlg, Id::kMinuteEdit),
                  EditText(&dlg, Id::kSecondEdit)};
        QTest::keyClick(&dlg, Qt::Key_Escape);
    });
    EXPECT_EQ(dlg.DoModal({-1, -1, -1}), kIdCancel);
    EXPECT_EQ(opened, (std::vector<std::string>{"0", "0", "0"}));
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
    std::size_t soundsAtRequest = 0;

    Countdown() {
        registry.AddKey("Config");
        powerOff.onRequest = [this] { soundsAtRequest = sound.played.size(); };
    }
    // Delivers up to n ticks of the countdown's timer while it runs.
    void Tick(int n) {
        for (int i = 0; i < n && timers.IsRunning(kCountdownTimer); ++i) {
            timers.Fire(kCountdownTimer);
        }
    }
    // Opens the countdown, runs during() inside it and closes it with "取消[&C]".
    int Run(const std::function<void()>& during) {
        Soon([this, during] {
            during();
            ControlAs<QAbstractButton>(&dlg, ShutdownWarnIds::kCancel)->click();
        });
        return dlg.DoModal();
    }
    int Bar() { return ControlAs<QProgressBar>(&dlg, ShutdownWarnIds::kProgress)->value(); }
};

TEST(ShutdownWarnDlg, ThirtySecondsUntouchedThenMarkerRequestAndTheLastSound) {
    Countdown c;
    EXPECT_EQ(c.Run([&] { c.Tick(400); }), kIdOk);
    EXPECT_EQ(c.sound.played.size(), 30u);
    EXPECT_EQ(c.sound.played.back(), (FakeSound::Played{"close.wav", true}));
    EXPECT_EQ(c.registry.Get("Config", "run"), std::string("0\0", 2));
    EXPECT_EQ(c.powerOff.requests, 1);
    EXPECT_EQ(c.soundsAtRequest, 29u);  // the 30th second's sound follows the request
    EXPECT_EQ(c.Bar(), 300);
    EXPECT_TRUE(c.boxes.shown.empty());
}

TEST(ShutdownWarnDlg, CancelAtTick299AndEscapeMakeNoRequest) {
    Countdown c;
    EXPECT_EQ(c.Run([&] { c.Tick(299); }), kIdOk);
    EXPECT_FALSE(c.timers.IsRunning(kCountdownTimer));
    Soon([&] { QTest::keyClick(&c.dlg, Qt::Key_Escape); });
    EXPECT_EQ(c.dlg.DoModal(), kIdCancel);
    EXPECT_EQ(c.Bar(), 0);
    EXPECT_FALSE(c.registry.Get("Config", "run").has_value());
    EXPECT_EQ(c.powerOff.requests, 0);
}

TEST(ShutdownWarnDlg, ShutDownNowTakesOneTickAndIsIdleOnceTheBarIsFull) {
    Countdown c;
    c.Run([&] {
        c.Tick(7);
        ControlAs<QAbstractButton>(&c.dlg, ShutdownWarnIds::kShutdownNow)->click();
        c.Tick(1);
        EXPECT_EQ(c.powerOff.requests, 1);
        ControlAs<QAbstractButton>(&c.dlg, ShutdownWarnIds::kShutdownNow)->click();
        c.Tick(10);
    });
    EXPECT_EQ(c.powerOff.requests, 1);
    EXPECT_EQ(c.timers.calls.back(), (FakeTimers::Call{false, kCountdownTimer, 0}));
}

TEST(ShutdownWarnDlg, MarkerFailuresAreShownAndARefusedSessionEndKeepsTheMachineRunning) {
    struct Case {
        std::function<void(FakeRegistry&)> breakIt;
        bool sessionMayEnd;
        std::vector<std::string> messages;
        int requests;
    };
    const std::vector<Case> cases = {
        {[](FakeRegistry& r) { r.FailOpenForWrite("Config"); },
         true,
         {Gb("  保存数据失败!  "), "Fail to set path value"},
         1},
        {[](FakeRegistry& r) { r.FailSet("Config", "run"); }, true, {"Fail to set path value"}, 1},
        {[](FakeRegistry&) {}, false, {}, 0},
    };
    for (const Case& k : cases) {
        Countdown c;
        k.breakIt(c.registry);
        c.sessionMayEnd = k.sessionMayEnd;
        bool openWithFullBar = false;
        c.Run([&] {
            c.Tick(300);
            openWithFullBar = c.dlg.isVisible() && c.Bar() == 300;
        });
        EXPECT_EQ(c.boxes.Texts(), k.messages);
        EXPECT_EQ(c.powerOff.requests, k.requests);
        EXPECT_TRUE(openWithFullBar);
    }
}

}  // namespace
}  // namespace tocklet::testing
