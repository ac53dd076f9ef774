// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The panel's part in the power-off: the time set behind the password from its three
// commands, and the check of each second with its save, postponement and held-up chime.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSlider>

#include "PanelHarness.h"

namespace tocklet::testing {
namespace {

std::string ShownTime(CMainPanelDlg& p) {
    return ToGb(ControlAs<QLineEdit>(&p, kIdShutdownTime)->text());
}

void CancelCountdown(CMainPanelDlg& p) {
    ControlAs<QAbstractButton>(DialogOf<CShutdownWarnDlg>(p), ShutdownWarnIds::kCancel)->click();
}

TEST(PanelShutdown, ItsThreeCommandsSetTheTimeBehindThePassword) {
    PanelHarness h;
    h.registry.Put(kProgramKey, "CloseHour", Stored("-1:-1:-1", 10));
    h.registry.Put(kCvKey, "UsePas", Stored("1", 3));
    h.registry.Put(kCvKey, "pass", Stored("pw", 11));
    CMainPanelDlg& p = h.Start();
    const std::vector<std::function<void()>> commands = {
        [&] {
            EXPECT_TRUE(p.OnCommand(kCmdSetShutdownTimeMenu));
        },  // the password refused: no dialog
        [&] { ControlAs<QAbstractButton>(&p, kIdSetShutdownTime)->click(); },
        [&] { EXPECT_TRUE(p.OnCommand(kCmdSetShutdownTimeMenu)); },
        [&] { EXPECT_TRUE(p.OnCommand(kCmdSetShutdownTimeIconMenu)); }};
    for (int hour = 0; hour < 4; ++hour) {
        Soon([&p, hour] {
            auto* prompt = DialogOf<CPasswordPromptDlg>(p);
            if (hour == 0) return ControlAs<QAbstractButton>(prompt, kPromptGiveUpId)->click();
            ControlAs<QLineEdit>(prompt, kPromptEditId)->setText("pw");
            ControlAs<QAbstractButton>(prompt, kPromptSubmitId)->click();
            Soon([&p, hour] {
                auto* dlg = DialogOf<CShutdownTimeDlg>(p);
                ControlAs<QLineEdit>(dlg, ShutdownTimeIds::kHourEdit)
                    ->setText(QString::number(hour));
                ControlAs<QAbstractButton>(dlg, ShutdownTimeIds::kOk)->click();
            });
        });
        commands[hour]();
        EXPECT_EQ(ShownTime(p), hour ? std::to_string(hour) + ":0:0" : "-1:-1:-1");
    }
    EXPECT_EQ(p.PresetShutdownTime(), (ShutdownTime{3, 0, 0}));
    EXPECT_EQ(h.registry.Get(kProgramKey, "CloseHour"), Stored("-1:-1:-1", 10));  // not yet saved
}

TEST(PanelShutdown, SavesAtTheCountdownPostponesAndChimesWhenItCloses) {
    PanelHarness h;
    h.registry.Put(kProgramKey, "CloseHour", Stored("22:0:0", 10));
    h.registry.Put(kProgramKey, "DelayTime", Stored("10", 3));
    h.registry.Put(kProgramKey, "ClockOpen", "1");
    h.registry.Put(kProgramKey, "music", Stored("1", 2));
    CMainPanelDlg& p = h.Start();
    ControlAs<QSlider>(&p, kIdRepeatSlider)->setValue(1);  // changed, not yet saved
    EXPECT_TRUE(p.OnCommand(kCmdPauseMonitoring));
    h.clock.SetLocal(2026, 12, 7, 22, 0, 0);
    h.TickSecond();  // paused: nothing, not even a save or a postponement
    EXPECT_EQ(h.registry.Get(kProgramKey, "Repeat"), Stored("0", 3));
    EXPECT_EQ(ShownTime(p), "22:0:0");
    h.sound.played.clear();
    EXPECT_TRUE(p.OnCommand(kCmdResumeMonitoring));

    std::optional<std::string> savedAtOpen;
    std::size_t soundsInside = 1;
    Soon([&] {
        savedAtOpen = h.registry.Get(kProgramKey, "Repeat");
        for (int s : {0, 1, 2}) {  // 22:00:00 again: no second countdown, only its chime
            h.clock.SetLocal(2026, 12, 7, 22, 0, s);
            h.TickSecond();
        }
        soundsInside = h.sound.played.size();
        CancelCountdown(p);
    });
    h.TickSecond();
    EXPECT_EQ(savedAtOpen, Stored("1", 3));
    EXPECT_EQ(ShownTime(p), "22:10:0");  // one countdown, one postponement
    // The full hour's chime of the countdown's own second was held up by it, not lost.
    EXPECT_EQ(soundsInside, 1u);
    EXPECT_EQ(h.sound.played, (std::vector<FakeSound::Played>(2, {"clock.wav", false})));
    EXPECT_EQ(h.Title(), Gb("超级守时鸟  22:00:02"));
}

}  // namespace
}  // namespace tocklet::testing
