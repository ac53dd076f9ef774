// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "TempDir.h"
#include "platform/DataDirs.h"
#include "platform/FirstRunHive.h"
#include "store/HiveRegistry.h"

namespace tocklet {
namespace {

namespace fs = std::filesystem;

using testing::TempDir;

constexpr const char* kSetup =
    "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\tocklet]\r\n"
    "\"happen\"=hex(1):30,00,00\r\n";

std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(FirstRunHive, CreatesTheMissingFileFromTheFirstSetupFound) {
    TempDir config, empty, data;
    std::ofstream(data.Path() / kSetupRegName) << kSetup;
    const std::string hive = config.File("registry.reg");
    HiveSetupResult r = CreateHiveFromSetup(hive, {empty.Path(), data.Path()});
    ASSERT_EQ(r.outcome, HiveSetupOutcome::Created) << r.detail;
    EXPECT_EQ(r.setupFile, data.Path() / kSetupRegName);
    EXPECT_NE(DescribeHiveSetup(r, hive).find("created " + hive), std::string::npos);
    const std::optional<Hive> created = HiveRegistry(hive).Contents();
    ASSERT_TRUE(created.has_value());
    const RegValue* happen =
        created->GetValue("HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\tocklet", "happen");
    ASSERT_NE(happen, nullptr);
    EXPECT_EQ(happen->bytes, std::string("0\0\0", 3));
    // The second start finds the file there.
    EXPECT_EQ(CreateHiveFromSetup(hive, {data.Path()}).outcome, HiveSetupOutcome::Existing);
}

TEST(FirstRunHive, AnExistingFileIsNeverChanged) {
    TempDir config, data;
    std::ofstream(data.Path() / kSetupRegName) << kSetup;
    for (std::string content : {"", "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Other]\r\n", "damaged"}) {
        const std::string hive = config.File("registry.reg");
        std::ofstream(hive, std::ios::binary) << content;
        HiveSetupResult r = CreateHiveFromSetup(hive, {data.Path()});
        EXPECT_EQ(r.outcome, HiveSetupOutcome::Existing);
        EXPECT_EQ(DescribeHiveSetup(r, hive), "");
        EXPECT_EQ(Read(hive), content);
    }
}

TEST(FirstRunHive, NoUsableSetupCreatesNothingAndSaysWhy) {
    TempDir config, none, damaged;
    std::ofstream(damaged.Path() / kSetupRegName) << "REGEDIT4\r\n\"orphan\"=\"1\"\r\n";
    const std::string hive = config.File("registry.reg");
    HiveSetupResult r = CreateHiveFromSetup(hive, {none.Path()});
    EXPECT_EQ(r.outcome, HiveSetupOutcome::NoSetupFile);
    EXPECT_NE(DescribeHiveSetup(r, hive).find("no setup.reg"), std::string::npos);
    r = CreateHiveFromSetup(hive, {damaged.Path()});
    EXPECT_EQ(r.outcome, HiveSetupOutcome::SetupDamaged);
    EXPECT_NE(DescribeHiveSetup(r, hive).find("damaged at line 2"), std::string::npos);
    EXPECT_FALSE(fs::exists(hive));
}

TEST(FirstRunHive, AdministratorFoldersFollowTheBaseDirectoryRules) {
    using Dirs = std::vector<fs::path>;
    const struct {
        const char* variable;
        Dirs dirs;
    } cases[] = {
        {nullptr, {"/etc/xdg/tocklet"}},
        {"", {"/etc/xdg/tocklet"}},
        {"/a:relative:/b/::/c/", {"/a/tocklet", "/b/tocklet", "/c/tocklet"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AdminConfigDirsFrom(c.variable), c.dirs) << (c.variable ? c.variable : "unset");
    }
}

// A new user's registry comes from the first administrator's folder that has a setup.reg, else
// from the installed one; a user who has a registry keeps it byte for byte.
TEST(FirstRunHive, AnAdministratorsSetupComesBeforeTheInstalledOne) {
    TempDir admin1, admin2, installed, config;
    const std::string adminTasks =
        "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\tocklet]\r\n"
        "\"happen\"=hex(1):31,00,00\r\n"
        "\"1\"=\"1110,30_|\xbf\xaa\xbb\xe1\"\r\n";
    fs::create_directories(admin2.Path() / "tocklet");
    std::ofstream(admin2.Path() / "tocklet" / kSetupRegName, std::ios::binary) << adminTasks;
    std::ofstream(installed.Path() / kSetupRegName) << kSetup;
    const std::string withAdmin = admin1.Path().string() + ":" + admin2.Path().string();
    const std::string existing = "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Mine]\r\n\"x\"=\"1\"\r\n";
    const struct {
        std::string variable;
        bool hasRegistry;
        fs::path setupUsed;
        std::string happen;
    } cases[] = {
        {withAdmin, false, admin2.Path() / "tocklet" / kSetupRegName, std::string("1\0\0", 3)},
        {admin1.Path().string(), false, installed.Path() / kSetupRegName, std::string("0\0\0", 3)},
        {withAdmin, true, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.variable + (c.hasRegistry ? " with a registry" : ""));
        const std::string hive = config.File("registry.reg");
        fs::remove(hive);
        if (c.hasRegistry) std::ofstream(hive, std::ios::binary) << existing;
        std::vector<fs::path> dirs = AdminConfigDirsFrom(c.variable.c_str());
        dirs.push_back(installed.Path());
        const HiveSetupResult r = CreateHiveFromSetup(hive, dirs);
        if (c.hasRegistry) {
            EXPECT_EQ(r.outcome, HiveSetupOutcome::Existing);
            EXPECT_EQ(Read(hive), existing);
            continue;
        }
        ASSERT_EQ(r.outcome, HiveSetupOutcome::Created) << r.detail;
        EXPECT_EQ(r.setupFile, c.setupUsed);
        const std::optional<Hive> created = HiveRegistry(hive).Contents();
        ASSERT_TRUE(created.has_value());
        const std::string key = "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\tocklet";
        const RegValue* happen = created->GetValue(key, "happen");
        ASSERT_NE(happen, nullptr);
        EXPECT_EQ(happen->bytes, c.happen);
        const RegValue* task = created->GetValue(key, "1");
        EXPECT_EQ(task != nullptr, c.happen[0] == '1');
    }
}

}  // namespace
}  // namespace tocklet
