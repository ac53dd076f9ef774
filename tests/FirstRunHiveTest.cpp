// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "TempDir.h"
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

}  // namespace
}  // namespace tocklet
