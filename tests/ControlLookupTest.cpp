// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// A dialog that looks up a control its template lacks, or holds as another kind, is told so
// loudly: the lookup throws, naming the dialog, the number and the wanted type.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QEventLoop>
#include <QSlider>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "controls/DialogBuilder.h"
#include "resources/MainPanelIds.h"
#include "resources/Templates.h"

namespace tocklet {
namespace {

struct Lookup {
    const char* what;
    std::function<void(QDialog& panel)> lookUp;
    std::vector<std::string> said;  // each of these is in the message
};

TEST(ControlLookupTest, MissingOrOtherControlsThrowNamingDialogNumberAndType) {
    constexpr int kNoSuchControl = 4242;
    const std::string panelName = "QDialog \"超级守时鸟\" (template 106)";
    const std::vector<Lookup> lookups{
        {"no control with that number",
         [](QDialog& p) { static_cast<void>(ControlAs<QSlider>(&p, kNoSuchControl)); },
         {panelName, "control 4242 wanted as QSlider, but the dialog has none"}},
        {"a check box looked up as a slider",
         [](QDialog& p) { static_cast<void>(ControlAs<QSlider>(&p, kIdChimeOn)); },
         {panelName, "control 1054 wanted as QSlider, but it is a QCheckBox"}},
        {"any widget, but none there",
         [](QDialog& p) { static_cast<void>(ControlById(&p, kNoSuchControl)); },
         {panelName, "control 4242 wanted as QWidget"}},
        {"unnumbered controls cannot be looked up",
         [](QDialog& p) { static_cast<void>(ControlById(&p, kNoControlId)); },
         {panelName, "control -1"}},
        {"no dialog at all",
         [](QDialog&) { static_cast<void>(ControlById(nullptr, kIdChimeOn)); },
         {"no dialog: control 1054"}},
        {"the group of a text",
         [](QDialog& p) { static_cast<void>(RadioGroupOf(&p, kIdBanner)); },
         {"control 1002 wanted as QAbstractButton, but it is a QLabel"}},
        {"radios with a gap in their numbers",
         [](QDialog& p) { CheckRadioButton(&p, kIdLaunchMinimised, kIdLaunchMinimised + 5, 0); },
         {"control 1039 wanted as QAbstractButton, but the dialog has none"}},
        {"checking a radio that is not there",
         [](QDialog& p) {
             CheckRadioButton(&p, kIdLaunchMinimised, kIdLaunchNormal, kNoSuchControl);
         },
         {"control 4242 wanted as QAbstractButton, but the dialog has none"}},
    };
    QDialog panel;
    BuildDialog(MainPanelTemplate(), &panel);
    for (const Lookup& lookup : lookups) {
        try {
            lookup.lookUp(panel);
            ADD_FAILURE() << lookup.what << ": no error";
        } catch (const ControlLookupError& error) {
            const std::string message = error.what();
            for (const std::string& part : lookup.said)
                EXPECT_NE(message.find(part), std::string::npos) << lookup.what << ": " << message;
        }
    }
}

TEST(ControlLookupTest, ControlsThatAreThereAreFoundAsWhatTheyAre) {
    QDialog panel;
    BuildDialog(MainPanelTemplate(), &panel);
    EXPECT_EQ(ControlAs<QAbstractButton>(&panel, kIdChimeOn)->text(), QStringLiteral("整点报时"));
    EXPECT_EQ(ControlById(&panel, kIdDelaySlider), ControlAs<QSlider>(&panel, kIdDelaySlider));
    EXPECT_EQ(RadioGroupOf(&panel, kIdChimeOn), nullptr);  // a check box is in no group
}

// Nothing in the program catches the error: one thrown while the event loop runs, as from a
// slot, ends the program with the message instead of leaving a control that does nothing.
// The noexcept stands for main(), which lets everything through.
TEST(ControlLookupDeathTest, ALookupErrorInTheEventLoopEndsTheProgramWithItsMessage) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto runProgram = []() noexcept {
        QDialog panel;
        BuildDialog(MainPanelTemplate(), &panel);
        QEventLoop loop;
        QTimer::singleShot(0, &panel,
                           [&panel] { static_cast<void>(ControlAs<QSlider>(&panel, kIdChimeOn)); });
        loop.exec();
    };
    EXPECT_DEATH(runProgram(), "control 1054 wanted as QSlider, but it is a QCheckBox");
}

}  // namespace
}  // namespace tocklet
