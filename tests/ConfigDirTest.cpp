// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <optional>

#include "HiveTestSupport.h"
#include "store/ConfigDir.h"

namespace tocklet {
namespace {

using testing::TempDir;

// Sets an environment variable for one test and puts the old value back afterwards.
class EnvVar {
public:
    EnvVar(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~EnvVar() {
        if (old_) {
            ::setenv(name_, old_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }
    EnvVar(const EnvVar&) = delete;
    EnvVar& operator=(const EnvVar&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return 0;
    return st.st_mode & 07777;
}

TEST(ConfigDir, UsesXdgConfigHomeAndCreatesAPrivateFolder) {
    TempDir dir;
    std::string base = dir.File("config/nested");
    EnvVar xdg("XDG_CONFIG_HOME", (base + "/").c_str());
    EXPECT_EQ(ConfigDir(), base + "/tocklet");
    EXPECT_EQ(ModeOf(base + "/tocklet"), 0700u);
    EXPECT_EQ(HiveFilePath(), base + "/tocklet/registry.reg");
}

TEST(ConfigDir, FallsBackToHomeWhenXdgConfigHomeIsEmptyUnsetOrRelative) {
    TempDir dir;
    EnvVar home("HOME", dir.Path().c_str());
    std::string expected = dir.File(".config/tocklet");
    for (const char* value : {"", "relative/path"}) {
        EnvVar xdg("XDG_CONFIG_HOME", value);
        EXPECT_EQ(ConfigDir(), expected) << value;
    }
    EnvVar xdg("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(ConfigDir(), expected);
    EXPECT_EQ(ModeOf(expected), 0700u);
}

TEST(ConfigDir, LeavesTheModeOfAnExistingFolderAlone) {
    TempDir dir;
    std::string folder = dir.File("tocklet");
    ASSERT_EQ(::mkdir(folder.c_str(), 0750), 0);
    ::chmod(folder.c_str(), 0750);
    EnvVar xdg("XDG_CONFIG_HOME", dir.Path().c_str());
    EXPECT_EQ(ConfigDir(), folder);
    EXPECT_EQ(ModeOf(folder), 0750u);
}

}  // namespace
}  // namespace tocklet
