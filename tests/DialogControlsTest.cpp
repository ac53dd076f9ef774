// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// Every window of the program built offscreen and brought to where it is when it opens: every
// control its code looks up is then found in its template as the kind the code wants, or the
// lookup throws and names the dialog, the number and the wanted type.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "PanelHarness.h"
#include "clock/ui/ClockColorDlg.h"
#include "clock/ui/FloatClockDlg.h"
#include "settings/ClockOptions.h"
#include "shell/AboutDlg.h"

namespace tocklet::testing {
namespace {

// The services a dialog may need, as fakes.
struct Fakes {
    FakeRegistry registry;
    FakeProfile profile;
    FakeMessageBoxes boxes;
    FakeClock clock;
    FakeTimers timers;
    FakeSound sound;
    FakePowerOff powerOff;
    TaskStore tasks{registry};
    SettingsStore store{registry};
};

struct Window {
    const char* name;
    // Builds the window and runs what its opening runs, through its public interface.
    std::function<void(Fakes&)> open;
};

const std::vector<Window>& EveryWindow() {
    static const std::vector<Window> windows{
        {"main panel",
         [](Fakes&) {
             PanelHarness h;
             h.StoreTasks({Gb("1110,30_|开会")});
             h.registry.Put(kProgramKey, "ClockOpen", "1");  // the chime box checked too
             CMainPanelDlg& panel = h.Start();
             panel.show();  // the animation runs while the panel is shown...
             panel.hide();  // ...and rests while it is hidden
         }},
        {"reminder",
         [](Fakes&) {
             CReminderDlg reminder;
             reminder.m_strText = Gb("开会");
             reminder.OnInitDialog();
         }},
        {"add task", [](Fakes& f) { CAddTaskDlg(f.tasks, f.boxes).OnInitDialog(0); }},
        {"delete task",
         [](Fakes& f) {
             CDeleteTaskDlg dialog(f.boxes);
             EXPECT_TRUE(dialog.OnInitDialog({TaskRow{1, Gb("开会")}}));
         }},
        {"first password",
         [](Fakes& f) { CFirstPasswordDlg dialog(f.registry, f.profile, f.boxes); }},
        {"change password", [](Fakes& f) { CChangePasswordDlg(f.boxes).OnInitDialog(""); }},
        {"password prompt", [](Fakes& f) { CPasswordPromptDlg(f.boxes).OnInitDialog(""); }},
        {"owner names",
         [](Fakes& f) {
             CUserInfoDlg dialog(
                 [](std::string_view, std::string_view) { return SettingsReport{}; }, f.boxes);
         }},
        {"floating clock",
         [](Fakes& f) {
             CFloatClockDlg clock(kDefaultClockColor, f.clock, f.timers);
             clock.Create();
         }},
        {"clock colour", [](Fakes&) { CClockColorDlg dialog; }},
        {"about", [](Fakes&) { CAboutDlg dialog; }},
        {"power-off time", [](Fakes&) { CShutdownTimeDlg dialog; }},
        {"power-off countdown",
         [](Fakes& f) {
             CShutdownWarnDlg dialog(CountdownServices{f.timers, f.sound, f.boxes, f.powerOff,
                                                       [&f] { return f.store.WriteRunFlag(); },
                                                       [] { return false; }});
         }},
    };
    return windows;
}

TEST(DialogControls, EveryWindowFindsEveryControlItLooksUpAsTheKindItWants) {
    for (const Window& window : EveryWindow()) {
        Fakes fakes;
        try {
            window.open(fakes);
        } catch (const ControlLookupError& error) {
            ADD_FAILURE() << window.name << ": " << error.what();
        }
    }
}

}  // namespace
}  // namespace tocklet::testing
