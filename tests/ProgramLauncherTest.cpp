// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "TempDir.h"
#include "platform/ProgramLauncher.h"
#include "platform/SelfLauncher.h"
#include "store/Text.h"

namespace tocklet {
namespace {

namespace fs = std::filesystem;

using testing::TempDir;

void WriteScript(const fs::path& file, const std::string& body) {
    std::ofstream(file) << "#!/bin/sh\n" << body << "\n";
    fs::permissions(file, fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read);
}

// The started program runs on its own; wait for the file it writes (a minute at most, for a
// loaded machine).
std::string WaitForFile(const fs::path& file) {
    for (int i = 0; i < 6000; ++i) {
        std::ifstream in(file);
        std::stringstream text;
        text << in.rdbuf();
        if (in && text.str().find('\n') != std::string::npos) return text.str();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return {};
}

// Runs a test body in another current directory and restores the old one.
class InDirectory {
public:
    explicit InDirectory(const fs::path& dir) : old_(fs::current_path()) { fs::current_path(dir); }
    ~InDirectory() { fs::current_path(old_); }

private:
    fs::path old_;
};

TEST(ProgramLauncher, StartsTheFileInItsFolderWithTheFolderAsWorkingDirectory) {
    TempDir temp;
    fs::path folder = temp.Path() / fs::path("任务 目录");
    fs::create_directory(folder);
    WriteScript(folder / "run me.sh", "pwd -P > cwd.txt");
    ExecProgramLauncher launcher;
    ASSERT_TRUE(launcher.Start(Gb(folder.string()), Gb("run me.sh"), ShowMode::Normal));
    EXPECT_EQ(WaitForFile(folder / "cwd.txt"), fs::canonical(folder).string() + "\n");
    // Nothing is left for this process to reap: the program is not its child.
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST(ProgramLauncher, MinimisedStartsTheProgramToo) {
    TempDir temp;
    WriteScript(temp.Path() / "job", "pwd -P > cwd.txt");
    ExecProgramLauncher launcher;
    ASSERT_TRUE(launcher.Start(temp.Path().string(), "job", ShowMode::Minimised));
    EXPECT_EQ(WaitForFile(temp.Path() / "cwd.txt"), fs::canonical(temp.Path()).string() + "\n");
}

TEST(ProgramLauncher, EmptyFolderMeansTheCurrentDirectory) {
    TempDir temp;
    WriteScript(temp.Path() / "here.sh", "pwd -P > cwd.txt");
    InDirectory in(temp.Path());
    ExecProgramLauncher launcher;
    ASSERT_TRUE(launcher.Start("", "here.sh", ShowMode::Normal));
    EXPECT_EQ(WaitForFile(temp.Path() / "cwd.txt"), fs::canonical(temp.Path()).string() + "\n");
}

TEST(ProgramLauncher, NeverLooksTheFileUpInPath) {
    TempDir onPath;
    TempDir elsewhere;
    fs::path marker = onPath.Path() / "started";
    WriteScript(onPath.Path() / "tocklet-only-on-path", "echo yes > '" + marker.string() + "'");
    std::string oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", (onPath.Path().string() + ":" + oldPath).c_str(), 1);
    ExecProgramLauncher launcher;
    bool fromCurrent = false;
    {
        InDirectory in(elsewhere.Path());
        fromCurrent = launcher.Start("", "tocklet-only-on-path", ShowMode::Normal);
    }
    bool fromFolder =
        launcher.Start(elsewhere.Path().string(), "tocklet-only-on-path", ShowMode::Normal);
    setenv("PATH", oldPath.c_str(), 1);
    EXPECT_FALSE(fromCurrent);
    EXPECT_FALSE(fromFolder);
    EXPECT_FALSE(fs::exists(marker));
}

TEST(ProgramLauncher, ReportsWhatCannotBeStarted) {
    TempDir temp;
    std::ofstream(temp.Path() / "notes.txt") << "not a program\n";
    WriteScript(temp.Path() / "ok.sh", "true");
    ExecProgramLauncher launcher;
    EXPECT_FALSE(launcher.Start(temp.Path().string(), "notes.txt", ShowMode::Normal));
    EXPECT_FALSE(launcher.Start(temp.Path().string(), "missing", ShowMode::Normal));
    EXPECT_FALSE(
        launcher.Start((temp.Path() / "no such folder").string(), "ok.sh", ShowMode::Normal));
    EXPECT_FALSE(launcher.Start(temp.Path().string(), "", ShowMode::Normal));
}

TEST(ProgramLauncher, StartedProgramGetsOnlyTheStandardDescriptors) {
    TempDir temp;
    int fd = open((temp.Path() / "held").c_str(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(dup2(fd, 47), 47);
    WriteScript(temp.Path() / "fds.sh",
                "if [ -e /dev/fd/47 ]; then echo open; else echo closed; fi > fd.txt");
    ExecProgramLauncher launcher;
    ASSERT_TRUE(launcher.Start(temp.Path().string(), "fds.sh", ShowMode::Normal));
    EXPECT_EQ(WaitForFile(temp.Path() / "fd.txt"), "closed\n");
    close(47);
    close(fd);
}

TEST(SelfLauncher, ExecutablePathIsThisProgram) {
    ProcSelfLauncher self;
    fs::path path = self.ExecutablePath();
    EXPECT_TRUE(path.is_absolute());
    EXPECT_TRUE(fs::is_regular_file(path));
    EXPECT_EQ(fs::canonical(path), fs::canonical("/proc/self/exe"));
}

TEST(SelfLauncher, NewInstanceStartsInTheCurrentDirectoryFromItsFileOnly) {
    TempDir temp;
    WriteScript(temp.Path() / "instance", "pwd -P > cwd.txt");
    ProcSelfLauncher self((temp.Path() / "instance").string());
    EXPECT_EQ(self.ExecutablePath(), (temp.Path() / "instance").string());
    {
        InDirectory in(temp.Path());
        const SystemResult started = self.StartNewInstance();
        ASSERT_TRUE(started.Ok()) << started.Describe();
    }
    EXPECT_EQ(WaitForFile(temp.Path() / "cwd.txt"), fs::canonical(temp.Path()).string() + "\n");
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);

    // Removed (the package uninstalled, the build folder cleaned), it is not started again
    // from what this process still maps: the result says which file and why.
    fs::remove(temp.Path() / "instance");
    EXPECT_EQ(self.StartNewInstance().Describe(),
              (temp.Path() / "instance").string() + ": No such file or directory");
}

}  // namespace
}  // namespace tocklet
