// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// Runs the built tocklet-reg with its own config folder and checks what it prints and stores.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstring>
#include <deque>

#include "HiveTestSupport.h"
#include "store/Text.h"

extern char** environ;

namespace tocklet {
namespace {

using testing::FileExists;
using testing::ReadWholeFile;
using testing::TempDir;
using testing::WriteWholeFile;

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

// In a forked child: becomes the tool with args and env, or ends with 127.
[[noreturn]] void Exec(std::vector<std::string>& args, std::vector<std::string>& env) {
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    ::execve(argv[0], argv.data(), envp.data());
    _exit(127);
}

class TockletRegTool : public ::testing::Test {
protected:
    // Runs the tool with XDG_CONFIG_HOME pointing at config (the test's folder by default).
    Result Run(std::vector<std::string> args, const std::string& config = {}) {
        std::string outFile = dir_.File("stdout");
        std::string errFile = dir_.File("stderr");
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e) {
            if (std::strncmp(*e, "XDG_CONFIG_HOME=", 16) != 0) env.emplace_back(*e);
        }
        env.push_back("XDG_CONFIG_HOME=" + (config.empty() ? config_ : config));
        args.insert(args.begin(), TOCKLET_REG_TOOL);
        pid_t child = ::fork();
        if (child == 0) {
            // No controlling terminal: nothing may wait for a person to type.
            ::setsid();
            int out = ::open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            ::dup2(out, 1);
            ::dup2(err, 2);
            Exec(args, env);
        }
        Result r;
        int status = 0;
        if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status)) {
            r.status = WEXITSTATUS(status);
        }
        r.out = ReadWholeFile(outFile);
        r.err = ReadWholeFile(errFile);
        return r;
    }

    // Runs the tool on a pseudo-terminal of its own and types each answer once the prompt
    // for it has shown; the result's out is all the terminal showed.
    Result RunOnTerminal(std::vector<std::string> args, std::deque<std::string> answers) {
        std::vector<std::string> env = Environment();
        args.insert(args.begin(), TOCKLET_REG_TOOL);
        int master = -1;
        pid_t child = ::forkpty(&master, nullptr, nullptr, nullptr);
        if (child == 0) {
            Exec(args, env);
        }
        Result r;
        if (child < 0) return r;
        std::size_t prompts = 0;
        std::array<char, 512> buf{};
        for (;;) {
            // The limit is only for a machine loaded by other work; every wait is for output.
            pollfd p{master, POLLIN, 0};
            if (::poll(&p, 1, kOutputLimitMs) <= 0) break;
            const ssize_t n = ::read(master, buf.data(), buf.size());
            if (n <= 0) break;  // the tool ended and closed the terminal
            r.out.append(buf.data(), static_cast<std::size_t>(n));
            const std::size_t shown = Occurrences(r.out, kPrompt);
            while (prompts < shown && !answers.empty()) {
                const std::string line = answers.front() + "\n";
                answers.pop_front();
                ++prompts;
                EXPECT_EQ(::write(master, line.data(), line.size()),
                          static_cast<ssize_t>(line.size()));
            }
        }
        int status = 0;
        if (::waitpid(child, &status, 0) == child && WIFEXITED(status))
            r.status = WEXITSTATUS(status);
        ::close(master);
        return r;
    }

    static std::size_t Occurrences(const std::string& text, std::string_view part) {
        std::size_t n = 0;
        for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
        return n;
    }

    std::vector<std::string> Environment() const {
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e) {
            if (std::strncmp(*e, "XDG_CONFIG_HOME=", 16) != 0) env.emplace_back(*e);
        }
        env.push_back("XDG_CONFIG_HOME=" + config_);
        return env;
    }

    static constexpr int kOutputLimitMs = 60000;
    static constexpr std::string_view kPrompt = "Password for deleting task";

    std::string Hive() const { return config_ + "/tocklet/registry.reg"; }

    TempDir dir_;
    std::string config_ = dir_.File("config");
    const std::string setup_ = std::string(TOCKLET_SOURCE_DIR) + "/resources/setup.reg";
};

TEST_F(TockletRegTool, HelpDescribesEveryCommand) {
    Result r = Run({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* word : {"import", "export", "query", "tasks", "XDG_CONFIG_HOME"}) {
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
    }
    EXPECT_EQ(Run({}).status, 2);
    EXPECT_EQ(Run({"frobnicate"}).status, 2);
    EXPECT_EQ(Run({"query"}).status, 2);
}

TEST_F(TockletRegTool, SetupCreatesTheProgramKeysWithTheProgramsByteCounts) {
    Result imported = Run({"import", setup_});
    ASSERT_EQ(imported.status, 0) << imported.err;
    Result r = Run({"query", "HKLM\\SOFTWARE\\Microsoft\\Windows\\tocklet"});
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* line : {"happen\tREG_SZ\t3\t300000\t0\n", "ClockOpen\tREG_SZ\t1\t30\t0\n",
                             "music\tREG_SZ\t2\t3000\t0\n", "word\tREG_SZ\t3\t300000\t0\n",
                             "Repeat\tREG_SZ\t3\t300000\t0\n", "Status\tREG_SZ\t2\t3000\t0\n",
                             "DelayTime\tREG_SZ\t3\t300000\t0\n"}) {
        EXPECT_NE(r.out.find(line), std::string::npos) << line << " in\n" << r.out;
    }
    // The stored power-off time never matches a clock time, so nothing is armed at midnight.
    Result close =
        Run({"query", "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\tocklet", "closehour"});
    ASSERT_EQ(close.status, 0) << close.err;
    EXPECT_EQ(close.out, "CloseHour\tREG_SZ\t10\t2d313a2d313a2d310000\t-1:-1:-1\n");

    for (const char* key :
         {"HKLM\\Software\\Microsoft\\Windows\\CurrentVersion",
          "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run", "HKLM\\Config"}) {
        Result k = Run({"query", key});
        EXPECT_EQ(k.status, 0) << key << ": " << k.err;
        EXPECT_EQ(k.out, "") << key;
    }
    EXPECT_EQ(Run({"query", "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion", "new"}).status,
              1);
}

TEST_F(TockletRegTool, QueryShowsBytesAndTextAndFailsForWhatIsMissing) {
    std::string file = dir_.File("in.reg");
    WriteWholeFile(file, "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\T]\n\"1\"=\"1110,30_|" +
                             Gb("开会") + "\"\n@=hex:09,0a\n\"odd\"=hex(7):61,00,62\n");
    ASSERT_EQ(Run({"import", file}).status, 0);
    Result r = Run({"query", "HKLM\\Software\\T"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "1\tREG_SZ\t14\t313131302c33305f7cbfaabbe100\t1110,30_|开会\n"
              "@\tREG_BINARY\t2\t090a\t\\t\\n\n"
              "odd\tREG_MULTI_SZ\t3\t610062\ta\\0b\n");
    EXPECT_EQ(Run({"query", "HKLM\\Software\\T", "@"}).out, "@\tREG_BINARY\t2\t090a\t\\t\\n\n");

    Result missingKey = Run({"query", "HKLM\\Software\\Nothing"});
    EXPECT_EQ(missingKey.status, 1);
    EXPECT_NE(missingKey.err.find("no key"), std::string::npos);
    Result missingValue = Run({"query", "HKLM\\Software\\T", "nothing"});
    EXPECT_EQ(missingValue.status, 1);
    EXPECT_NE(missingValue.err.find("no value"), std::string::npos);
    EXPECT_EQ(Run({"query", "Software\\T"}).status, 2);
}

TEST_F(TockletRegTool, ABadFileIsRefusedWithItsLineAndNothingIsWritten) {
    std::string bad = dir_.File("bad.reg");
    WriteWholeFile(bad, "REGEDIT4\n\n[HKLM\\Software\\New]\n\"a\"=\"1\"\n\"b\"=hex:01,0x\n");
    Result r = Run({"import", bad});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("line 5"), std::string::npos) << r.err;
    EXPECT_FALSE(FileExists(Hive()));

    ASSERT_EQ(Run({"import", setup_}).status, 0);
    std::string before = ReadWholeFile(Hive());
    EXPECT_EQ(Run({"import", bad}).status, 1);
    EXPECT_EQ(Run({"import", dir_.File("no-such.reg")}).status, 1);
    EXPECT_EQ(ReadWholeFile(Hive()), before);
}

TEST_F(TockletRegTool, ExportImportedIntoAnEmptyStoreGivesBackEveryByte) {
    std::string file = dir_.File("awkward.reg");
    WriteWholeFile(file,
                   "REGEDIT4\n\n[HKLM\\Software\\A]\n\"z\"=hex(1):61,00,62,00,00\n"
                   "\"nz\"=hex(1):61,62\n\"e\"=hex(1):\n\"q\"=\"\\\"\\\\\"\n"
                   "\"gb\"=hex(1):b1,5c,81,22,00\n\"b\"=hex:" +
                       std::string("00,ff,") + "5c\n\"d\"=dword:ffffffff\n[HKCU\\Empty]\n");
    ASSERT_EQ(Run({"import", file}).status, 0);
    Result exported = Run({"export", "-"});
    ASSERT_EQ(exported.status, 0) << exported.err;
    std::string copy = dir_.File("copy.reg");
    ASSERT_EQ(Run({"export", copy}).status, 0);
    EXPECT_EQ(ReadWholeFile(copy), exported.out);

    std::string other = dir_.File("other-config");
    ASSERT_EQ(Run({"import", copy}, other).status, 0);
    EXPECT_EQ(ReadWholeFile(other + "/tocklet/registry.reg"), ReadWholeFile(Hive()));
    EXPECT_EQ(Run({"query", "HKLM\\Software\\A"}, other).out,
              Run({"query", "HKLM\\Software\\A"}).out);
    EXPECT_NE(Run({"query", "HKLM\\Software\\A", "z"}, other).out.find("\t5\t6100620000\t"),
              std::string::npos);
}

TEST_F(TockletRegTool, Version5ExportForWindowsImportsBackAndBadTextIsRefused) {
    ASSERT_EQ(Run({"import", setup_}).status, 0);
    std::string v5 = dir_.File("windows.reg");
    Result exported = Run({"export", "--version5", v5});
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(ReadWholeFile(v5).substr(0, 4), std::string("\xFF\xFEW\0", 4));
    std::string other = dir_.File("other-config");
    ASSERT_EQ(Run({"import", v5}, other).status, 0);
    EXPECT_EQ(ReadWholeFile(other + "/tocklet/registry.reg"), ReadWholeFile(Hive()));
    EXPECT_NE(Run({"--help"}).out.find("--version5"), std::string::npos);

    std::string bad = dir_.File("bad5.reg");
    WriteWholeFile(bad,
                   "Windows Registry Editor Version 5.00\n\n[HKLM\\Software\\New]\n"
                   "\"a\"=\"开会\"\n\"b\"=\"😀\"\n");
    Result r = Run({"import", bad}, other);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("line 5: the character \"😀\" (U+1F600)"), std::string::npos) << r.err;
    EXPECT_EQ(Run({"query", "HKLM\\Software\\New"}, other).status, 1);
}

TEST_F(TockletRegTool, ADamagedStoreIsReportedAndNeverOverwritten) {
    ASSERT_EQ(Run({"import", setup_}).status, 0);
    std::string damaged = ReadWholeFile(Hive()) + "\"x\"=hex:zz\r\n";
    WriteWholeFile(Hive(), damaged);
    for (std::vector<std::string> args : {std::vector<std::string>{"query", "HKLM\\Config"},
                                          {"export", "-"},
                                          {"tasks"},
                                          {"import", setup_}}) {
        Result r = Run(args);
        EXPECT_EQ(r.status, 1) << args[0];
        EXPECT_NE(r.err.find("damaged at line"), std::string::npos) << args[0] << r.err;
        EXPECT_NE(r.err.find(Hive()), std::string::npos) << args[0] << r.err;
    }
    EXPECT_EQ(ReadWholeFile(Hive()), damaged);
}

TEST_F(TockletRegTool, TaskAddListAndDeleteChangeTheStoredList) {
    ASSERT_EQ(Run({"import", setup_}).status, 0);
    Result added = Run({"task", "add", "--daily", "--at", "10:30", "--message", "开会"});
    ASSERT_EQ(added.status, 0) << added.err;
    EXPECT_NE(added.out.find(" 1  message  every day        10:30  开会"), std::string::npos)
        << added.out;
    ASSERT_EQ(
        Run({"task", "add", "--weekday", "5", "--at", "22:00", "--program", "/bin/true"}).status,
        0);
    EXPECT_EQ(Run({"task", "list"}).out,
              " 1  message  every day        10:30  开会\n"
              " 2  program  every Friday     22:00  /bin/true\n");
    // The program reads the same list.
    EXPECT_EQ(Run({"tasks"}).out,
              "1\t1\t1\t10\t30\t0\t0\t0\tfires\t开会\n"
              "2\t0\t3\t22\t0\t0\t0\t6\tfires\t/bin/true\n");

    const std::string before = ReadWholeFile(Hive());
    Result refused = Run({"task", "add", "--date", "2-30", "--at", "10:30", "--message", "x"});
    EXPECT_EQ(refused.status, 3);
    EXPECT_NE(refused.err.find("指定的日期不存在"), std::string::npos) << refused.err;
    Result misuse = Run({"task", "add", "--daily", "--at", "10:30"});
    EXPECT_EQ(misuse.status, 2);
    EXPECT_NE(misuse.err.find("Usage:"), std::string::npos);
    EXPECT_EQ(ReadWholeFile(Hive()), before);

    Result deleted = Run({"task", "delete", "1"});
    ASSERT_EQ(deleted.status, 0) << deleted.err;
    EXPECT_NE(deleted.out.find("task 2 is now task 1"), std::string::npos) << deleted.out;
    EXPECT_EQ(Run({"task", "list"}).out, " 1  program  every Friday     22:00  /bin/true\n");
}

TEST_F(TockletRegTool, TaskDeleteAsksOnTheTerminalWithoutEchoWhileProtectionIsOn) {
    ASSERT_EQ(Run({"import", setup_}).status, 0);
    std::string on = dir_.File("on.reg");
    WriteWholeFile(on,
                   "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion]"
                   "\n\"UsePas\"=\"1\"\n\"pass\"=\"secret\"\n");
    ASSERT_EQ(Run({"import", on}).status, 0);
    for (const char* text : {"a", "b"}) {
        ASSERT_EQ(Run({"task", "add", "--daily", "--at", "10:30", "--message", text}).status, 0);
    }
    const std::string before = ReadWholeFile(Hive());

    // Without a terminal there is nobody to ask: refused.
    Result alone = Run({"task", "delete", "1"});
    EXPECT_EQ(alone.status, 4);
    EXPECT_NE(alone.err.find("no terminal"), std::string::npos) << alone.err;
    EXPECT_EQ(ReadWholeFile(Hive()), before);

    // Three wrong passwords: refused, and nothing typed is shown.
    Result wrong = RunOnTerminal({"task", "delete", "1"}, {"guess1", "guess2", "guess3"});
    EXPECT_EQ(wrong.status, 4) << wrong.out;
    EXPECT_EQ(Occurrences(wrong.out, kPrompt), 3u) << wrong.out;
    EXPECT_EQ(Occurrences(wrong.out, "密码错误,你无权进行此项操作"), 3u) << wrong.out;
    EXPECT_EQ(wrong.out.find("guess"), std::string::npos) << wrong.out;
    EXPECT_EQ(ReadWholeFile(Hive()), before);

    // The input ends before a password came: refused.
    Result ended = RunOnTerminal({"task", "delete", "1"}, {"\x04"});
    EXPECT_EQ(ended.status, 4) << ended.out;
    EXPECT_EQ(ReadWholeFile(Hive()), before);

    Result right = RunOnTerminal({"task", "delete", "1"}, {"wrong", "secret"});
    EXPECT_EQ(right.status, 0) << right.out;
    EXPECT_EQ(right.out.find("secret"), std::string::npos) << right.out;
    EXPECT_NE(right.out.find("task 2 is now task 1"), std::string::npos) << right.out;
    EXPECT_EQ(Run({"task", "list"}).out, " 1  message  every day        10:30  b\n");
}

}  // namespace
}  // namespace tocklet
