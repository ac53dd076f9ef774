// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// Default applications from the desktop's files, their commands cut and split, and the
// program's own files found by name.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "TempDir.h"
#include "platform/DataDirs.h"
#include "platform/DesktopExec.h"
#include "platform/XdgDefaultApps.h"

namespace tocklet {
namespace {

using Words = std::vector<std::string>;

TEST(DesktopExec, CutAtTheFieldCode) {
    const std::pair<const char*, const char*> cases[] = {
        {"firefox-esr %u", "firefox-esr "},
        {"chromium --new \"%U\" --x", "chromium --new "},  // quoted: cut at the quote
        {"a %f \"%u\"", "a %f "},                          // the quoted one is looked for first
        {"a 100%% %F", "a 100%% "},                        // "%%" is a percent sign
        {"browser --private-window", "browser --private-window"},  // none: kept whole
        {"b %i %U", "b %i "},
    };
    for (const auto& [command, cut] : cases) EXPECT_EQ(CutAtFieldCode(command), cut) << command;
}

TEST(DesktopExec, CommandForATarget) {
    const std::string target = "mailto:a b@example.org";  // stays one word
    struct Case {
        const char* command;
        std::optional<Words> words;
    };
    const Case cases[] = {
        {"firefox-esr %u", Words{"firefox-esr", target}},
        {"/opt/web --new-window \"%u\" --x", Words{"/opt/web", "--new-window", target}},
        {"\"/opt/my web/run\" --level=100%% %i %U",
         Words{"/opt/my web/run", "--level=100%", target}},
        {"web \"a \\\"b\\\" \\\\c\" \"\" %u", Words{"web", "a \"b\" \\c", "", target}},
        {"web \"unclosed %u", std::nullopt},
        {"%u", std::nullopt},  // nothing left to start
    };
    for (const Case& c : cases)
        EXPECT_EQ(CommandForTarget(c.command, target), c.words) << c.command;
}

TEST(DesktopExec, ProgramsAreFoundInThePathAndStartedWithoutAShell) {
    testing::TempDir dir;
    const std::string tool = dir.File("tool");
    std::ofstream(tool) << "#!/bin/sh\nprintf '%s|' \"$@\" > \"$0.out\"\n";
    ::chmod(tool.c_str(), 0755);
    std::ofstream(dir.File("plain")) << "not executable";
    const std::string path = "/nonexistent:" + dir.Path().string();
    EXPECT_EQ(FindProgram("tool", path), tool);
    EXPECT_EQ(FindProgram("plain", path), "");
    EXPECT_EQ(FindProgram("/abs/prog", path), "/abs/prog");

    EXPECT_EQ(StartCommand({tool, "a b", "$HOME;x"}), 0);
    std::string out;
    for (int i = 0; i < 6000 && out.empty(); ++i) {  // up to a minute on a loaded machine
        std::ifstream in(tool + ".out");
        out.assign(std::istreambuf_iterator<char>(in), {});
        if (out.empty()) ::usleep(10000);
    }
    EXPECT_EQ(out, "a b|$HOME;x|");
    EXPECT_EQ(StartCommand({"/nonexistent/browser", "x"}), ENOENT);
}

TEST(DesktopExec, DefaultApplicationFromTheDesktopFiles) {
    testing::TempDir dir;
    namespace fs = std::filesystem;
    XdgFolders folders;
    folders.configHome = dir.Path() / "config";
    folders.dataHome = dir.Path() / "home-data";
    folders.dataDirs = {dir.Path() / "data"};
    folders.desktops = {"xfce"};
    for (const fs::path& d : {folders.configHome, folders.dataHome / "applications",
                              folders.dataDirs[0] / "applications" / "vendor"})
        fs::create_directories(d);
    const auto write = [](const fs::path& file, const std::string& text) {
        std::ofstream(file) << text;
    };
    write(folders.dataHome / "applications" / "hidden.desktop",
          "[Desktop Entry]\nExec=hidden %u\nHidden=true\n");
    write(folders.dataDirs[0] / "applications" / "vendor" / "web.desktop",
          "[Desktop Action New]\nExec=wrong\n[Desktop Entry]\nName=Web\nExec=web\\s1 %u\n");
    write(folders.dataDirs[0] / "applications" / "mimeinfo.cache",
          "[MIME Cache]\ntext/plain=vendor-web.desktop;\n");
    XdgDefaultApps apps(folders);

    // Nothing chosen yet: the cache of installed entries answers.
    EXPECT_EQ(apps.CommandFor("text/plain"), "web 1 %u");
    EXPECT_EQ(apps.CommandFor("text/html"), std::nullopt);

    // A missing and a hidden entry are passed over for the next one listed.
    write(folders.configHome / "mimeapps.list",
          "[Added Associations]\ntext/html=wrong.desktop\n[Default Applications]\n"
          "text/html=gone.desktop;hidden.desktop;vendor-web.desktop;\n");
    EXPECT_EQ(apps.CommandFor("text/html"), "web 1 %u");
    // The desktop's own list comes first.
    write(folders.dataHome / "applications" / "other.desktop", "[Desktop Entry]\nExec=other\n");
    write(folders.configHome / "xfce-mimeapps.list",
          "[Default Applications]\ntext/html=other.desktop\n");
    EXPECT_EQ(apps.CommandFor("text/html"), "other");
}

TEST(DataFiles, CurrentFolderFirstThenTheDataFolder) {
    testing::TempDir here;
    testing::TempDir data;
    testing::TempDir other;
    const std::vector<std::filesystem::path> dataDirs{{}, other.Path(), data.Path()};
    EXPECT_EQ(FindDataFile("ReadMe.txt", here.Path(), dataDirs), std::nullopt);
    std::ofstream(data.File("ReadMe.txt")) << "data";
    EXPECT_EQ(FindDataFile("ReadMe.txt", here.Path(), dataDirs), data.Path() / "ReadMe.txt");
    std::ofstream(here.File("ReadMe.txt")) << "here";
    EXPECT_EQ(FindDataFile("ReadMe.txt", here.Path(), dataDirs), here.Path() / "ReadMe.txt");
    EXPECT_EQ(FindDataFile("ReadMe.txt", {}, dataDirs), data.Path() / "ReadMe.txt");
    EXPECT_EQ(FindDataFile("", {}, dataDirs), std::nullopt);
}

}  // namespace
}  // namespace tocklet
