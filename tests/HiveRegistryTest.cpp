// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "HiveTestSupport.h"
#include "store/HiveRegistry.h"
#include "store/Text.h"

namespace tocklet {
namespace {

using testing::FileExists;
using testing::ReadWholeFile;
using testing::TempDir;
using testing::WriteWholeFile;

constexpr const char* kProgramPath = "Software\\Microsoft\\Windows\\tocklet";
constexpr const char* kSeed =
    "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\tocklet]\n"
    "\"happen\"=hex(1):30,00,00\n\"x\"=hex(1):61,62,63,64,65,66,67,68,69,00\n";

std::vector<RegOp> Ops(std::string_view text) {
    std::vector<RegOp> ops;
    RegParseError error;
    EXPECT_TRUE(ParseRegFile(text, &ops, &error)) << error.line << ": " << error.reason;
    return ops;
}

const std::uint8_t* Data(const std::string& s) {
    return reinterpret_cast<const std::uint8_t*>(s.data());
}

class HiveRegistryTest : public ::testing::Test {
protected:
    void Seed(const std::string& text = kSeed) {
        HiveRegistry reg(file_);
        std::string error;
        ASSERT_EQ(reg.Import(Ops(text), &error), kRegOk) << error;
    }

    // The value's bytes as a fresh instance reads them from the file.
    std::string Stored(std::string_view name, std::uint32_t* type = nullptr) {
        HiveRegistry reg(file_);
        std::optional<Hive> hive = reg.Contents();
        if (!hive) return "<unreadable>";
        const RegValue* v = hive->GetValue(std::string("HKLM\\") + kProgramPath, name);
        if (v == nullptr) return "<missing>";
        if (type) *type = v->type;
        return v->bytes;
    }

    TempDir dir_;
    std::string file_ = dir_.File("registry.reg");
};

TEST_F(HiveRegistryTest, MissingFileIsAnEmptyStoreAndOnlyTheFirstWriteCreatesIt) {
    HiveRegistry reg(file_);
    EXPECT_FALSE(reg.Problem());
    RegKey key = 0;
    EXPECT_EQ(reg.OpenKey(RegRoot::LocalMachine, kProgramPath, kKeyRead, &key), kRegFileNotFound);
    EXPECT_EQ(key, 0u);
    ASSERT_TRUE(reg.Contents());
    EXPECT_TRUE(reg.Contents()->Empty());
    EXPECT_TRUE(dir_.Entries().empty());

    ASSERT_EQ(reg.Import(Ops(kSeed)), kRegOk);
    EXPECT_TRUE(FileExists(file_));
    EXPECT_EQ(reg.OpenKey(RegRoot::LocalMachine, kProgramPath, kKeyRead, &key), kRegOk);
}

TEST_F(HiveRegistryTest, OpenKeyFindsKeysInAnyCaseButNeverCreatesOne) {
    Seed();
    std::string before = ReadWholeFile(file_);
    HiveRegistry reg(file_);
    ScopedKey write(reg);
    EXPECT_EQ(reg.OpenKey(RegRoot::LocalMachine, "SoftWare\\Microsoft\\Windows\\tocklet", kKeyWrite,
                          write.Out()),
              kRegOk);
    ScopedKey key(reg);
    EXPECT_EQ(reg.OpenKey(RegRoot::LocalMachine, "Software\\Microsoft\\Windows\\tocklet\\New",
                          kKeyWrite, key.Out()),
              kRegFileNotFound);
    EXPECT_EQ(reg.OpenKey(RegRoot::CurrentUser, kProgramPath, kKeyWrite, key.Out()),
              kRegFileNotFound);
    EXPECT_EQ(reg.OpenKey(RegRoot::LocalMachine, "Config", kKeyWrite, key.Out()), kRegFileNotFound);
    EXPECT_EQ(key.Get(), 0u);
    EXPECT_EQ(reg.OpenKey(RegRoot::LocalMachine, kProgramPath, kKeyRead, nullptr),
              kRegInvalidParameter);

    // A value written through the second spelling lands in the first key.
    ASSERT_EQ(SetStringValue(reg, write.Get(), "music", "1", 2), kRegOk);
    EXPECT_EQ(Stored("MUSIC"), std::string("1\0", 2));
    EXPECT_EQ(ReadWholeFile(file_).find("New"), std::string::npos);
    EXPECT_NE(ReadWholeFile(file_), before);
}

TEST_F(HiveRegistryTest, QueryReportsSizesMoreDataAndMissingValuesLikeWin32) {
    Seed();
    HiveRegistry reg(file_);
    ScopedKey key(reg);
    ASSERT_EQ(reg.OpenKey(RegRoot::LocalMachine, kProgramPath, kKeyRead, key.Out()), kRegOk);

    std::uint8_t buf[16] = {'#', '#', '#', '#'};
    std::uint32_t type = 0;
    std::uint32_t size = 4;
    EXPECT_EQ(reg.QueryValue(key.Get(), "X", &type, buf, &size), kRegMoreData);
    EXPECT_EQ(size, 10u);
    EXPECT_EQ(buf[0], '#');

    size = 0;
    EXPECT_EQ(reg.QueryValue(key.Get(), "x", &type, nullptr, &size), kRegOk);
    EXPECT_EQ(size, 10u);
    EXPECT_EQ(type, kRegSz);

    size = sizeof buf;
    EXPECT_EQ(reg.QueryValue(key.Get(), "x", nullptr, buf, &size), kRegOk);
    EXPECT_EQ(size, 10u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buf), size), std::string("abcdefghi\0", 10));

    EXPECT_EQ(reg.QueryValue(key.Get(), "x", &type, buf, nullptr), kRegInvalidParameter);
    EXPECT_EQ(reg.QueryValue(key.Get(), "absent", &type, buf, &size), kRegFileNotFound);
    EXPECT_EQ(reg.QueryValue(4242, "x", &type, buf, &size), kRegInvalidHandle);
    EXPECT_EQ(ReadStringValue(reg, key.Get(), "x", 9), "");
    EXPECT_EQ(ReadStringValue(reg, key.Get(), "x", 10), "abcdefghi");
}

TEST_F(HiveRegistryTest, HandlesKeepTheirAccessAndDieWhenClosed) {
    Seed();
    std::string before = ReadWholeFile(file_);
    HiveRegistry reg(file_);
    RegKey read = 0;
    RegKey write = 0;
    ASSERT_EQ(reg.OpenKey(RegRoot::LocalMachine, kProgramPath, kKeyRead, &read), kRegOk);
    ASSERT_EQ(reg.OpenKey(RegRoot::LocalMachine, kProgramPath, kKeyWrite, &write), kRegOk);
    EXPECT_NE(read, write);
    EXPECT_EQ(SetStringValue(reg, read, "happen", "5", 3), kRegAccessDenied);
    EXPECT_EQ(ReadWholeFile(file_), before);
    std::uint32_t size = 0;
    EXPECT_EQ(reg.QueryValue(write, "happen", nullptr, nullptr, &size), kRegAccessDenied);
    EXPECT_EQ(reg.SetValue(write, "bad\nname", kRegSz, Data("1"), 1), kRegInvalidParameter);
    EXPECT_EQ(reg.SetValue(write, "v", kRegSz, nullptr, 1), kRegInvalidParameter);

    EXPECT_EQ(reg.CloseKey(read), kRegOk);
    EXPECT_EQ(reg.CloseKey(read), kRegInvalidHandle);
    EXPECT_EQ(reg.QueryValue(read, "happen", nullptr, nullptr, &size), kRegInvalidHandle);
    EXPECT_EQ(reg.CloseKey(write), kRegOk);
    EXPECT_EQ(SetStringValue(reg, write, "happen", "5", 3), kRegInvalidHandle);
    EXPECT_EQ(ReadWholeFile(file_), before);
}

TEST_F(HiveRegistryTest, StringValuesAreStoredWithTheirExactByteCount) {
    Seed();
    {
        HiveRegistry reg(file_);
        ScopedKey key(reg);
        ASSERT_EQ(reg.OpenKey(RegRoot::LocalMachine, kProgramPath, kKeyWrite, key.Out()), kRegOk);
        EXPECT_EQ(SetStringValue(reg, key.Get(), "happen", "12", 3), kRegOk);
        EXPECT_EQ(SetStringValue(reg, key.Get(), "ClockOpen", "1", 1), kRegOk);
        EXPECT_EQ(SetStringValue(reg, key.Get(), "CloseHour", "21:30:0", 10), kRegOk);
        EXPECT_EQ(SetStringValue(reg, key.Get(), "cut", "abcdef", 3), kRegOk);
        EXPECT_EQ(SetStringValue(reg, key.Get(), "1", "1110,30_|" + Gb("开会"), 100), kRegOk);
        EXPECT_EQ(reg.SetValue(key.Get(), "empty", kRegSz, nullptr, 0), kRegOk);
    }
    std::uint32_t type = 0;
    EXPECT_EQ(Stored("happen", &type), std::string("12\0", 3));
    EXPECT_EQ(type, kRegSz);
    EXPECT_EQ(Stored("ClockOpen"), "1");
    EXPECT_EQ(Stored("CloseHour"), std::string("21:30:0\0\0\0", 10));
    EXPECT_EQ(Stored("cut"), "abc");
    EXPECT_EQ(Stored("1"), "1110,30_|" + Gb("开会") + std::string(100 - 13, '\0'));
    EXPECT_EQ(Stored("empty"), "");
}

TEST_F(HiveRegistryTest, EachInstanceSeesTheOthersWritesAndLosesNone) {
    Seed();
    HiveRegistry first(file_);
    HiveRegistry second(file_);
    ScopedKey a(first);
    ScopedKey b(second);
    ASSERT_EQ(first.OpenKey(RegRoot::LocalMachine, kProgramPath, kKeyWrite | kKeyRead, a.Out()),
              kRegOk);
    ASSERT_EQ(second.OpenKey(RegRoot::LocalMachine, kProgramPath, kKeyWrite | kKeyRead, b.Out()),
              kRegOk);
    ASSERT_EQ(SetStringValue(first, a.Get(), "word", "1", 3), kRegOk);
    // second loaded the file before that write; its own write must keep it.
    ASSERT_EQ(SetStringValue(second, b.Get(), "music", "1", 2), kRegOk);
    EXPECT_EQ(ReadStringValue(second, b.Get(), "word", 3), "1");
    EXPECT_EQ(ReadStringValue(first, a.Get(), "music", 2), "1");
    EXPECT_EQ(Stored("word"), std::string("1\0\0", 3));
    EXPECT_EQ(Stored("music"), std::string("1\0", 2));
}

TEST_F(HiveRegistryTest, TheFileIsPrivateToItsOwner) {
    Seed();
    ::chmod(file_.c_str(), 0644);
    mode_t old = ::umask(0);
    {
        HiveRegistry reg(file_);
        ScopedKey key(reg);
        ASSERT_EQ(reg.OpenKey(RegRoot::LocalMachine, kProgramPath, kKeyWrite, key.Out()), kRegOk);
        EXPECT_EQ(SetStringValue(reg, key.Get(), "happen", "1", 3), kRegOk);
    }
    ::umask(old);
    struct stat st {};
    ASSERT_EQ(::stat(file_.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(dir_.Entries(), (std::vector<std::string>{"registry.reg", "registry.reg.lock"}));
}

TEST_F(HiveRegistryTest, ADamagedFileIsReportedAndKeptByteForByte) {
    const std::string damaged =
        "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\tocklet]\r\n"
        "\"happen\"=hex(1):30,0g,00\r\n\"1\"=\"kept\"\r\n";
    WriteWholeFile(file_, damaged);
    HiveRegistry reg(file_);
    ASSERT_TRUE(reg.Problem());
    EXPECT_NE(reg.Problem()->find(file_), std::string::npos) << *reg.Problem();
    EXPECT_NE(reg.Problem()->find("line 4"), std::string::npos) << *reg.Problem();
    EXPECT_EQ(reg.ProblemLine(), 4);
    RegKey key = 0;
    EXPECT_EQ(reg.OpenKey(RegRoot::LocalMachine, kProgramPath, kKeyWrite, &key), kRegFileNotFound);
    EXPECT_FALSE(reg.Contents());
    std::string error;
    EXPECT_NE(reg.Import(Ops(kSeed), &error), kRegOk);
    EXPECT_NE(error.find("line 4"), std::string::npos) << error;
    EXPECT_EQ(ReadWholeFile(file_), damaged);

    // Repaired by hand, the file is read again at the next look.
    WriteWholeFile(file_, kSeed);
    EXPECT_EQ(reg.OpenKey(RegRoot::LocalMachine, kProgramPath, kKeyWrite, &key), kRegOk);
    EXPECT_FALSE(reg.Problem());

    // Damaged behind an open handle: the write is refused and the file left alone.
    std::string broken = std::string(kSeed) + "\"v\"=hex:zz\n";
    WriteWholeFile(file_, broken);
    EXPECT_NE(SetStringValue(reg, key, "happen", "1", 3), kRegOk);
    EXPECT_TRUE(reg.Problem());
    EXPECT_EQ(ReadWholeFile(file_), broken);
}

TEST_F(HiveRegistryTest, AFailedWriteLeavesTheOldFileAndNoLeftovers) {
    Seed();
    std::string before = ReadWholeFile(file_);
    bool fail = true;
    HiveRegistry reg(file_, [&](HiveRegistry::WriteStep step) {
        return !(fail && step == HiveRegistry::WriteStep::TempSynced);
    });
    ScopedKey key(reg);
    ASSERT_EQ(reg.OpenKey(RegRoot::LocalMachine, kProgramPath, kKeyWrite | kKeyRead, key.Out()),
              kRegOk);
    EXPECT_NE(SetStringValue(reg, key.Get(), "happen", "7", 3), kRegOk);
    EXPECT_EQ(ReadWholeFile(file_), before);
    EXPECT_EQ(dir_.Entries(), (std::vector<std::string>{"registry.reg", "registry.reg.lock"}));
    EXPECT_EQ(ReadStringValue(reg, key.Get(), "happen", 3), "0");

    std::string error;
    EXPECT_NE(reg.Import(Ops("REGEDIT4\n[HKLM\\New]\n"), &error), kRegOk);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadWholeFile(file_), before);

    fail = false;
    EXPECT_EQ(SetStringValue(reg, key.Get(), "happen", "7", 3), kRegOk);
    EXPECT_EQ(Stored("happen"), std::string("7\0\0", 3));
}

TEST_F(HiveRegistryTest, AFullDiskLeavesTheOldFile) {
    Seed();
    std::string before = ReadWholeFile(file_);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The file size limit stands in for a full disk: writes past it fail with EFBIG.
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{static_cast<rlim_t>(before.size() + 64),
                     static_cast<rlim_t>(before.size() + 64)};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        HiveRegistry reg(file_);
        RegKey key = 0;
        if (reg.OpenKey(RegRoot::LocalMachine, kProgramPath, kKeyWrite, &key) != kRegOk) _exit(2);
        std::string big(4096, 'x');
        RegStatus st = reg.SetValue(key, "big", kRegBinary, Data(big), 4096);
        _exit(st == kRegOk ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the write past the limit reported success";
    EXPECT_EQ(ReadWholeFile(file_), before);
    EXPECT_EQ(dir_.Entries(), (std::vector<std::string>{"registry.reg", "registry.reg.lock"}));
}

}  // namespace
}  // namespace tocklet
