// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The registry file under several processes: writers that die mid-write and writers that
// run at the same time.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>
#include <random>

#include "HiveTestSupport.h"
#include "store/HiveRegistry.h"
#include "store/Text.h"

namespace tocklet {
namespace {

using testing::ReadWholeFile;
using testing::TempDir;

constexpr const char* kProgramPath = "Software\\Microsoft\\Windows\\tocklet";
constexpr const char* kProgramKey = "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\tocklet";

class HiveRegistryProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        HiveRegistry reg(file_);
        std::vector<RegOp> ops;
        RegParseError error;
        ASSERT_TRUE(
            ParseRegFile("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\tocklet]\n"
                         "\"happen\"=hex(1):30,00,00\n",
                         &ops, &error));
        ASSERT_EQ(reg.Import(ops), kRegOk);
    }

    // Runs body in a child process and returns its exit status (-1 when it did not exit).
    static int InChild(const std::function<int()>& body) {
        pid_t child = ::fork();
        if (child == 0) _exit(body());
        int status = 0;
        if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
        return WEXITSTATUS(status);
    }

    // A value as a fresh instance reads it from the file; nullopt when the file is unreadable.
    std::optional<std::string> Stored(std::string_view name) {
        HiveRegistry reg(file_);
        std::optional<Hive> hive = reg.Contents();
        if (!hive) return std::nullopt;
        const RegValue* v = hive->GetValue(kProgramKey, name);
        return v ? v->bytes : "<missing>";
    }

    TempDir dir_;
    std::string file_ = dir_.File("registry.reg");
};

// Writes happen = "9" and stops the process dead at the given step.
int WriteAndDieAt(const std::string& file, HiveRegistry::WriteStep at) {
    HiveRegistry reg(file, [at](HiveRegistry::WriteStep step) {
        if (step == at) _exit(0);
        return true;
    });
    RegKey key = 0;
    if (reg.OpenKey(RegRoot::LocalMachine, kProgramPath, kKeyWrite, &key) != kRegOk) return 2;
    const RegStatus written = SetStringValue(reg, key, "happen", "9", 3);
    return written == kRegOk ? 3 : 4;  // not reached: the hook ends the process
}

TEST_F(HiveRegistryProcessTest, AWriterDyingBeforeTheRenameLeavesTheOldFile) {
    std::string before = ReadWholeFile(file_);
    ASSERT_EQ(InChild([&] { return WriteAndDieAt(file_, HiveRegistry::WriteStep::TempSynced); }),
              0);
    EXPECT_EQ(ReadWholeFile(file_), before);
    EXPECT_EQ(Stored("happen"), std::string("0\0\0", 3));
    // Its temporary file is left behind until the next write clears it away.
    EXPECT_EQ(dir_.Entries().size(), 3u);

    HiveRegistry reg(file_);
    RegKey key = 0;
    ASSERT_EQ(reg.OpenKey(RegRoot::LocalMachine, kProgramPath, kKeyWrite, &key), kRegOk);
    ASSERT_EQ(SetStringValue(reg, key, "happen", "1", 3), kRegOk);
    EXPECT_EQ(dir_.Entries(), (std::vector<std::string>{"registry.reg", "registry.reg.lock"}));
}

TEST_F(HiveRegistryProcessTest, AWriterDyingAfterTheRenameLeavesTheNewFile) {
    ASSERT_EQ(InChild([&] { return WriteAndDieAt(file_, HiveRegistry::WriteStep::Renamed); }), 0);
    EXPECT_EQ(Stored("happen"), std::string("9\0\0", 3));
    EXPECT_EQ(dir_.Entries(), (std::vector<std::string>{"registry.reg", "registry.reg.lock"}));
}

// State n: "<n>:" then 1000 + n % 977 copies of one letter; any torn mix fails Check.
std::string State(int n) {
    return std::to_string(n) + ":" + std::string(1000 + n % 977, static_cast<char>('a' + n % 26));
}

std::optional<int> Check(const std::string& bytes) {
    int n = AtoiLike(bytes);
    if (bytes != State(n)) return std::nullopt;
    return n;
}

TEST_F(HiveRegistryProcessTest, AWriterKilledAtAnyMomentLeavesTheOldOrTheNewFile) {
    std::mt19937 random(20261207);
    int last = 0;
    for (int round = 0; round < 40; ++round) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(ready[0]);
            HiveRegistry reg(file_);
            RegKey key = 0;
            if (reg.OpenKey(RegRoot::LocalMachine, kProgramPath, kKeyWrite | kKeyRead, &key) !=
                kRegOk) {
                _exit(2);
            }
            std::string bytes(4096, '\0');
            auto size = static_cast<std::uint32_t>(bytes.size());
            int n = 0;
            if (reg.QueryValue(key, "state", nullptr, reinterpret_cast<std::uint8_t*>(bytes.data()),
                               &size) == kRegOk) {
                n = AtoiLike(bytes.substr(0, size));
            }
            for (bool first = true;; first = false) {
                std::string s = State(++n);
                if (reg.SetValue(key, "state", kRegSz,
                                 reinterpret_cast<const std::uint8_t*>(s.data()),
                                 static_cast<std::uint32_t>(s.size())) != kRegOk) {
                    _exit(3);
                }
                if (first && ::write(ready[1], "x", 1) != 1) _exit(4);
            }
        }
        ::close(ready[1]);
        char c = 0;
        // Kill it only after one whole write, at a random moment of the ones that follow.
        ASSERT_EQ(::read(ready[0], &c, 1), 1) << "the writer failed before its first write";
        ::close(ready[0]);
        ::usleep(std::uniform_int_distribution<int>(0, 20000)(random));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped on its own: " << status;

        std::optional<std::string> stored = Stored("state");
        ASSERT_TRUE(stored) << "round " << round << ": the file no longer parses";
        std::optional<int> n = Check(*stored);
        ASSERT_TRUE(n) << "round " << round << ": torn value";
        EXPECT_GT(*n, last) << "round " << round << ": a completed write was lost";
        last = *n;
    }
    std::optional<std::string> happen = Stored("happen");
    EXPECT_EQ(happen, std::string("0\0\0", 3));
}

TEST_F(HiveRegistryProcessTest, WritersAtTheSameTimeLoseNothing) {
    constexpr int kWriters = 4;
    constexpr int kWrites = 25;
    std::vector<pid_t> children;
    for (int w = 0; w < kWriters; ++w) {
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            HiveRegistry reg(file_);
            RegKey key = 0;
            if (reg.OpenKey(RegRoot::LocalMachine, kProgramPath, kKeyWrite, &key) != kRegOk) {
                _exit(2);
            }
            for (int i = 0; i < kWrites; ++i) {
                std::string name = "w" + std::to_string(w) + "_" + std::to_string(i);
                if (SetStringValue(reg, key, name, name, 16) != kRegOk) _exit(3);
            }
            _exit(0);
        }
        children.push_back(child);
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    HiveRegistry reg(file_);
    std::optional<Hive> hive = reg.Contents();
    ASSERT_TRUE(hive);
    for (int w = 0; w < kWriters; ++w) {
        for (int i = 0; i < kWrites; ++i) {
            std::string name = "w" + std::to_string(w) + "_" + std::to_string(i);
            const RegValue* v = hive->GetValue(kProgramKey, name);
            ASSERT_NE(v, nullptr) << name << " was lost";
            EXPECT_EQ(v->bytes, StoredString(name, 16));
        }
    }
    EXPECT_EQ(hive->Values(kProgramKey)->size(), 1u + kWriters * kWrites);
}

}  // namespace
}  // namespace tocklet
