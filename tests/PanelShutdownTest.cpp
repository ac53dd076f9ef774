// The panel's part in the power-off: the time set behind the password from its three
// commands, and the check of each second with its save, postponement and held-up chime.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "PanelHarness.h"

namespace tocklet::testing {
namespace {

std::string ShownTime(CMainPanelDlg& p) {
    return ToGb(ControlAs<QLineEdit>(&p, kIdShutdownTime)->text());
}

TEST(PanelShutdown, ItsThreeCommandsSetTheTimeBehindThePassword) {
    PanelHarness h;
    h.registry.Put(kProgramKey, "CloseHour", Stored("-1:-1:-1", 10));
    h.registry.Put(kCvKey, "UsePas", Stored("1", 3));
    h.registry.Put(kCvKey, "pass", Stored("pw", 11));
    CMainPanelDlg& p = h.Start();
    EXPECT_EQ(ShownTime(p), "-1:-1:-1");
    Soon([&p] { ControlAs<QAbstractButton>(&p.m_passwordPrompt, kPromptGiveUpId)->click(); });
    p.OnCommand(kCmdSetShutdownTimeMenu);  // refused: the dialog does not open
    EXPECT_EQ(ShownTime(p), "-1:-1:-1");
    const std::vector<std::function<void()>> commands = {
        [&] { ControlAs<QAbstractButton>(&p, kIdSetShutdownTime)->click(); },
        [&] { p.OnCommand(kCmdSetShutdownTimeMenu); },
        [&] { p.OnCommand(kCmdSetShutdownTimeIconMenu); }};
    for (int hour = 0; hour < 3; ++hour) {
        Soon([&p, hour] {
            ControlAs<QLineEdit>(&p.m_passwordPrompt, kPromptEditId)->setText("pw");
            ControlAs<QAbstractButton>(&p.m_passwordPrompt, kPromptSubmitId)->click();
            Soon([&p, hour] {
                ControlAs<QLineEdit>(&p.m_shutdownTimeDlg, 1040)->setText(QString::number(hour));
                ControlAs<QAbstractButton>(&p.m_shutdownTimeDlg, 1020)->click();
            });
        });
        commands[hour]();
        EXPECT_EQ(ShownTime(p), std::to_string(hour) + ":0:0");
    }
    EXPECT_EQ(h.registry.Get(kProgramKey, "CloseHour"), Stored("-1:-1:-1", 10));  // not yet saved
}

TEST(PanelShutdown, SavesAtTheCountdownPostponesAndChimesWhenItCloses) {
    PanelHarness h;
    h.registry.Put(kProgramKey, "CloseHour", Stored("21:30:0", 10));
    h.registry.Put(kProgramKey, "DelayTime", Stored("10", 3));
    h.registry.Put(kProgramKey, "ClockOpen", "1");
    h.registry.Put(kProgramKey, "music", Stored("1", 2));
    CMainPanelDlg& p = h.Start();
    p.m_shutdown.SetTime({22, 0, 0});
    p.ShowShutdownTime();
    p.OnCommand(kCmdPauseMonitoring);
    h.clock.SetLocal(2026, 12, 7, 22, 0, 0);
    h.TickSecond();  // paused: nothing, not even a postponement
    EXPECT_EQ(p.m_shutdown.Repeats(), 0);
    EXPECT_EQ(ShownTime(p), "22:0:0");
    h.sound.played.clear();
    p.OnCommand(kCmdResumeMonitoring);

    std::optional<std::string> savedAtOpen;
    std::size_t soundsInside = 1;
    Soon([&] {
        savedAtOpen = h.registry.Get(kProgramKey, "CloseHour");
        for (int s : {1, 2}) {
            h.clock.SetLocal(2026, 12, 7, 22, 0, s);
            h.TickSecond();
        }
        soundsInside = h.sound.played.size();
        ControlAs<QAbstractButton>(&p.m_shutdownWarnDlg, ShutdownWarnIds::kCancel)->click();
    });
    h.TickSecond();
    EXPECT_EQ(savedAtOpen, Stored("22:0:0", 10));
    EXPECT_EQ(ShownTime(p), "22:10:0");
    // The full hour's chime was held up by the countdown, not lost.
    EXPECT_EQ(soundsInside, 0u);
    EXPECT_EQ(h.sound.played, (std::vector<FakeSound::Played>{{"clock.wav", false}}));
    EXPECT_EQ(h.Title(), Gb("超级守时鸟  22:00:02"));
}

}  // namespace
}  // namespace tocklet::testing
