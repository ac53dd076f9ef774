// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// Which windows the Control Panel guard closes, and the administrator's list of further classes.
#include <gtest/gtest.h>

#include <fstream>

#include "TempDir.h"
#include "protection/GuardedWindows.h"
#include "store/Text.h"

namespace tocklet {
namespace {

using testing::TempDir;

TEST(GuardedWindows, ExactTitleOrADesktopSettingsProgramsClass) {
    const std::string panel = Gb("控制面板");
    const struct {
        std::string title, instance, cls;
        bool closed;
    } cases[] = {
        {panel, "", "", true},
        {panel + " ", "", "", false},
        {Gb("打开控制面板"), "", "", false},
        {"Control Panel", "", "", false},
        {"Settings", "gnome-control-center", "Gnome-control-center", true},
        {"", "", "Gnome-Control-Center", true},
        {"System Settings", "systemsettings", "systemsettings", true},
        {"", "xfce4-settings-manager", "Xfce4-settings-manager", true},
        {"", "mate-control-center", "Mate-control-center", true},
        {"", "cinnamon-settings", "Cinnamon-settings", true},
        {"", "lxqt-config-appearance", "lxqt-config-appearance", true},
        {"", "lxqt-config", "lxqt-config", false},  // the prefix is "lxqt-config-"
        {"", "dde-control-center", "dde-control-center", true},
        {"", "ukui-control-center", "ukui-control-center", true},
        {"", "gnome-control-center-search", "", false},
        {"", "gnome-terminal-server", "Gnome-terminal", false},
        {"", "", "", false},
    };
    const GuardedWindows rule;
    for (const auto& c : cases) {
        EXPECT_EQ(rule.Matches({c.title, c.instance, c.cls}), c.closed)
            << GbToUtf8(c.title) << " / " << c.instance << " / " << c.cls;
    }
}

TEST(GuardedWindows, AdministratorsClassesOneALineWithCommentsAndPrefixes) {
    const struct {
        std::string text;
        std::vector<GuardedClass> classes;
    } cases[] = {
        {"", {}},
        {"# only a comment\n\n   \n", {}},
        {"yast2\n", {{"yast2"}}},
        {"  yast2  # SUSE's tool\r\nkcm_*\n", {{"yast2"}, {"kcm_", true}}},
        {"*\n  * # everything would be closed\nlast-line-without-newline",
         {{"last-line-without-newline"}}},
        {"spaced name *", {{"spaced name", true}}},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseGuardedClasses(c.text), c.classes) << c.text;

    TempDir first, second, none;
    std::ofstream(first.Path() / kGuardedClassesName) << "yast2\n";
    std::ofstream(second.Path() / kGuardedClassesName) << "kcm_*\n";
    std::vector<GuardedClass> classes =
        ReadGuardedClasses({first.Path(), none.Path(), second.Path()});
    EXPECT_EQ(classes, (std::vector<GuardedClass>{{"yast2"}, {"kcm_", true}}));

    classes.insert(classes.begin(), GuardedClass{"gnome-control-center"});
    const GuardedWindows rule(classes);
    EXPECT_TRUE(rule.Matches({"", "yast2", "YaST2"}));
    EXPECT_TRUE(rule.Matches({"", "kcm_touchpad", ""}));
    EXPECT_TRUE(rule.Matches({"", "gnome-control-center", ""}));
    EXPECT_FALSE(rule.Matches({"", "systemsettings", ""}));  // the list given, not the default
    EXPECT_TRUE(rule.Matches({Gb("控制面板"), "", ""}));
}

}  // namespace
}  // namespace tocklet
