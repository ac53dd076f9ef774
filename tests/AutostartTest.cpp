// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "TempDir.h"
#include "platform/Autostart.h"

namespace tocklet {
namespace {

namespace fs = std::filesystem;

using testing::TempDir;

std::string Read(const fs::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Reads an Exec value back the way a desktop reads it: string escapes first, then the quoting
// of one argument, then %% -> %.
std::optional<std::string> ParseSingleArgument(const std::string& value) {
    std::string unescaped;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\') {
            unescaped += value[i];
            continue;
        }
        if (++i == value.size()) return std::nullopt;
        switch (value[i]) {
            case 's':
                unescaped += ' ';
                break;
            case 'n':
                unescaped += '\n';
                break;
            case 't':
                unescaped += '\t';
                break;
            case 'r':
                unescaped += '\r';
                break;
            case '\\':
                unescaped += '\\';
                break;
            default:
                return std::nullopt;
        }
    }
    if (unescaped.size() < 2 || unescaped.front() != '"' || unescaped.back() != '"') {
        return std::nullopt;
    }
    std::string arg;
    for (std::size_t i = 1; i + 1 < unescaped.size(); ++i) {
        char c = unescaped[i];
        if (c == '\\') {
            char next = unescaped[++i];
            if (next != '"' && next != '`' && next != '$' && next != '\\') return std::nullopt;
            arg += next;
        } else if (c == '"' || c == '`' || c == '$') {
            return std::nullopt;  // must have been escaped
        } else if (c == '%') {
            if (unescaped[++i] != '%') return std::nullopt;
            arg += '%';
        } else {
            arg += c;
        }
    }
    return arg;
}

TEST(Autostart, ExecQuotesThePathWhole) {
    EXPECT_EQ(DesktopExecValue("/usr/bin/tocklet"), "\"/usr/bin/tocklet\"");
    EXPECT_EQ(DesktopExecValue("/opt/my apps/tocklet"), "\"/opt/my apps/tocklet\"");
    EXPECT_EQ(DesktopExecValue("/a\\b"), "\"/a\\\\\\\\b\"");  // four backslashes in the file
    EXPECT_EQ(DesktopExecValue("/a$b`c\"d"), "\"/a\\\\$b\\\\`c\\\\\"d\"");
    EXPECT_EQ(DesktopExecValue("/100%/x"), "\"/100%%/x\"");
}

TEST(Autostart, ExecReadsBackAsTheSamePath) {
    for (std::string path :
         {"/usr/bin/tocklet", "/home/李/工具/tocklet", "/a b/c'd/e;f|g&h<i>j*k?l#m(n)o~p",
          "/x\\y\\\\z", "/$HOME/`id`/\"q\"", "/50%/%f", "/tab\there/new\nline/cr\rend"}) {
        std::string exec = DesktopExecValue(path);
        ASSERT_FALSE(exec.empty()) << path;
        EXPECT_EQ(exec.find_first_of("\n\t\r"), std::string::npos);
        EXPECT_EQ(ParseSingleArgument(exec), path) << exec;
    }
}

TEST(Autostart, PathsADesktopEntryCannotHoldAreRefused) {
    EXPECT_EQ(DesktopExecValue(""), "");
    EXPECT_EQ(DesktopExecValue("/bad\xB9\xA4/tocklet"), "");  // code page 936, not UTF-8
    EXPECT_EQ(DesktopExecValue("/bell\x07"), "");
    EXPECT_EQ(DesktopExecValue("/del\x7F"), "");
    EXPECT_EQ(DesktopExecValue("/cut\xE5\xB7"), "");
    EXPECT_EQ(DesktopExecValue("/overlong\xC0\xAF"), "");
    EXPECT_EQ(AutostartEntry("/bad\xFF"), "");
}

TEST(Autostart, RegisterWritesTheEntryUnderTheConfigHome) {
    TempDir temp;
    XdgAutostart autostart(temp.Path());
    EXPECT_EQ(autostart.EntryPath(), temp.Path() / "autostart" / "tocklet.desktop");
    const SystemResult registered = autostart.Register("/opt/tocklet/bin/tocklet");
    ASSERT_TRUE(registered.Ok()) << registered.Describe();
    EXPECT_EQ(registered.path, autostart.EntryPath().string());
    EXPECT_EQ(Read(autostart.EntryPath()),
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Name=tocklet\n"
              "Exec=\"/opt/tocklet/bin/tocklet\"\n"
              "Terminal=false\n"
              "X-GNOME-Autostart-enabled=true\n");
    struct stat st {};
    ASSERT_EQ(stat(autostart.EntryPath().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
}

TEST(Autostart, RegisterRefreshesAndLeavesNoTemporaryFiles) {
    TempDir temp;
    XdgAutostart autostart(temp.Path());
    ASSERT_TRUE(autostart.Register("/old/tocklet").Ok());
    ASSERT_TRUE(autostart.Register("/new place/tocklet").Ok());
    EXPECT_NE(Read(autostart.EntryPath()).find("Exec=\"/new place/tocklet\"\n"), std::string::npos);
    int files = 0;
    for (const auto& e : fs::directory_iterator(temp.Path() / "autostart")) {
        (void)e;
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST(Autostart, FailureKeepsTheEarlierEntryAndSaysWhy) {
    TempDir temp;
    XdgAutostart autostart(temp.Path());
    ASSERT_TRUE(autostart.Register("/good/tocklet").Ok());
    std::string before = Read(autostart.EntryPath());
    const SystemResult unwritable = autostart.Register("/bad\xFF/tocklet");
    EXPECT_FALSE(unwritable.Ok());
    EXPECT_EQ(unwritable.path, autostart.EntryPath().string());
    EXPECT_NE(unwritable.reason.find("desktop entry"), std::string::npos) << unwritable.reason;
    EXPECT_EQ(Read(autostart.EntryPath()), before);

    // The config home is a file: its autostart folder cannot be made.
    std::ofstream(temp.Path() / "plain-file") << "x";
    XdgAutostart blocked(temp.Path() / "plain-file");
    const SystemResult noFolder = blocked.Register("/good/tocklet");
    EXPECT_EQ(noFolder.Describe(),
              (temp.Path() / "plain-file" / "autostart").string() + ": Not a directory");
}

TEST(Autostart, ConfigHomeComesFromTheEnvironment) {
    TempDir temp;
    std::string oldXdg = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
    std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("XDG_CONFIG_HOME", (temp.Path() / "xdg").c_str(), 1);
    setenv("HOME", (temp.Path() / "home").c_str(), 1);
    fs::path fromXdg = XdgAutostart().EntryPath();
    setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
    fs::path fromRelative = XdgAutostart().EntryPath();
    unsetenv("XDG_CONFIG_HOME");
    fs::path fromHome = XdgAutostart().EntryPath();
    if (!oldXdg.empty()) setenv("XDG_CONFIG_HOME", oldXdg.c_str(), 1);
    setenv("HOME", oldHome.c_str(), 1);
    EXPECT_EQ(fromXdg, temp.Path() / "xdg" / "autostart" / "tocklet.desktop");
    EXPECT_EQ(fromRelative, temp.Path() / "home" / ".config" / "autostart" / "tocklet.desktop");
    EXPECT_EQ(fromHome, fromRelative);
}

}  // namespace
}  // namespace tocklet
