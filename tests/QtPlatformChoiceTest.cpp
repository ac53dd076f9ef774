// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "platform/QtPlatformChoice.h"

namespace tocklet {
namespace {

TEST(QtPlatformChoice, WaylandSessionsRunThroughXWaylandUnlessAPlatformWasAskedFor) {
    using Env = std::map<std::string, std::string>;
    struct Case {
        Env env;
        std::vector<std::string> args;
        std::string platform;
        std::string said;  // part of the log line; empty: no line
    } cases[] = {
        {{{"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "x11"}}, {"tocklet"}, "", ""},
        {{{"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "wayland"}},
         {"tocklet"},
         "xcb",
         "XWayland (Qt platform xcb, DISPLAY=:0) because the Control Panel guard"},
        {{{"DISPLAY", ":1"}, {"WAYLAND_DISPLAY", "wayland-0"}},
         {"tocklet"},
         "xcb",
         "WAYLAND_DISPLAY=wayland-0"},
        {{{"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "wayland"}},
         {"tocklet", "-platform", "wayland"},
         "",
         ""},
        {{{"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "wayland"}, {"QT_QPA_PLATFORM", "xcb"}},
         {"tocklet"},
         "",
         ""},
        {{{"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "wayland"}, {"QT_QPA_PLATFORM", "wayland"}},
         {"tocklet"},
         "",
         "QT_QPA_PLATFORM=wayland is kept"},
        {{{"XDG_SESSION_TYPE", "wayland"}}, {"tocklet"}, "", "DISPLAY is unset"},
    };
    for (const Case& c : cases) {
        const PlatformChoice choice = ChooseQtPlatform(c.args, [&](const std::string& name) {
            auto it = c.env.find(name);
            return it == c.env.end() ? std::nullopt : std::optional<std::string>(it->second);
        });
        EXPECT_EQ(choice.platform, c.platform) << c.said;
        if (c.said.empty()) {
            EXPECT_EQ(choice.reason, "");
        } else {
            EXPECT_NE(choice.reason.find(c.said), std::string::npos) << choice.reason;
        }
    }
}

TEST(QtPlatformChoice, TheChosenPlatformGoesAfterTheProgramName) {
    char prog[] = "tocklet", opt[] = "-display", val[] = ":3";
    char* argv[] = {prog, opt, val, nullptr};
    QtArguments args(3, argv, PlatformChoice{"xcb", "why"});
    EXPECT_EQ(std::vector<std::string>(args.Argv(), args.Argv() + args.Argc()),
              (std::vector<std::string>{"tocklet", "-platform", "xcb", "-display", ":3"}));
    EXPECT_EQ(args.Argv()[5], nullptr);
}

TEST(QtPlatformChoice, SocketPaintingIsAskedOnlyWhileQtStartsAndLeavesTheUsersValue) {
    const char* name = "QT_XCB_NO_MITSHM";
    ::unsetenv(name);
    {
        SocketPaintingForQt painting;
        EXPECT_STREQ(std::getenv(name), "1");
    }
    EXPECT_EQ(std::getenv(name), nullptr);  // programs started later do not inherit it
    ::setenv(name, "0", 1);
    { SocketPaintingForQt painting; }
    EXPECT_STREQ(std::getenv(name), "0");
    ::unsetenv(name);
}

}  // namespace
}  // namespace tocklet
