// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "fakes/FakeProfile.h"
#include "store/IniProfile.h"
#include "store/Text.h"

namespace tocklet {
namespace {

namespace fs = std::filesystem;

class IniFile : public ::testing::Test {
protected:
    void SetUp() override {
        std::string tmpl = (fs::temp_directory_path() / "tocklet-ini-XXXXXX").string();
        ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
        dir_ = tmpl;
        path_ = (dir_ / std::string(kIniFileName)).string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    void WriteFile(const std::string& bytes) {
        std::ofstream f(path_, std::ios::binary);
        f << bytes;
    }
    std::string ReadFile() const {
        std::ifstream f(path_, std::ios::binary);
        std::stringstream ss;
        ss << f.rdbuf();
        return ss.str();
    }

    fs::path dir_;
    std::string path_;
};

TEST_F(IniFile, MissingFileSectionOrKeyGivesTheDefault) {
    IniFileProfile ini(path_);
    EXPECT_EQ(ini.GetInt("option", "clock", 0), 0);
    EXPECT_EQ(ini.GetInt("option", "color", 7), 7);
    WriteFile("[other]\nclock=1\n[option]\ncolour=3\nclock=\n");
    EXPECT_EQ(ini.GetInt("option", "color", 9), 9);  // no such key
    EXPECT_EQ(ini.GetInt("none", "clock", 4), 4);    // no such section
    EXPECT_EQ(ini.GetInt("option", "clock", 5), 5);  // empty value
}

TEST_F(IniFile, ReadsNumbersLikeTheProfileFunctions) {
    WriteFile(
        "; comment\r\n[Option]\r\n  CLOCK = 1 \r\ncolor=3 blue\r\nneg=-2\r\nword=abc\r\n"
        "quoted=\"6\"\r\n");
    IniFileProfile ini(path_);
    EXPECT_EQ(ini.GetInt("option", "clock", 0), 1);
    EXPECT_EQ(ini.GetInt("OPTION", "Color", 0), 3);
    EXPECT_EQ(ini.GetInt("option", "neg", 0), -2);
    EXPECT_EQ(ini.GetInt("option", "word", 8), 0);  // present but not a number
    EXPECT_EQ(ini.GetInt("option", "quoted", 0), 6);
}

TEST_F(IniFile, WritesKeepEveryOtherByte) {
    const std::string before =
        "; settings\r\n[Other]\r\nx = 1\r\n\r\n[OPTION]\r\nColor = 5 ; old\r\nclock=0\r\n"
        "\r\n[tail]\r\ny=2";
    WriteFile(before);
    IniFileProfile ini(path_);
    ASSERT_TRUE(ini.WriteString("option", "color", "2"));
    EXPECT_EQ(ReadFile(),
              "; settings\r\n[Other]\r\nx = 1\r\n\r\n[OPTION]\r\nColor = 2\r\nclock=0\r\n"
              "\r\n[tail]\r\ny=2");
    // A new key goes to the end of its section, before the blank line, in the file's line style.
    ASSERT_TRUE(ini.WriteString("Option", "size", "12"));
    EXPECT_EQ(ReadFile(),
              "; settings\r\n[Other]\r\nx = 1\r\n\r\n[OPTION]\r\nColor = 2\r\nclock=0\r\n"
              "size=12\r\n\r\n[tail]\r\ny=2");
    // A new section goes to the end, after a line break the file lacked.
    ASSERT_TRUE(ini.WriteString("more", "z", "3"));
    EXPECT_EQ(ReadFile(),
              "; settings\r\n[Other]\r\nx = 1\r\n\r\n[OPTION]\r\nColor = 2\r\nclock=0\r\n"
              "size=12\r\n\r\n[tail]\r\ny=2\r\n[more]\r\nz=3\r\n");
    EXPECT_EQ(ini.GetInt("more", "z", 0), 3);
}

TEST_F(IniFile, CreatesFileAndFolderPrivately) {
    path_ = (dir_ / "sub" / "deeper" / std::string(kIniFileName)).string();
    IniFileProfile ini(path_);
    ASSERT_TRUE(ini.WriteString("option", "color", "2"));
    ASSERT_TRUE(ini.WriteString("option", "clock", "1"));
    EXPECT_EQ(ReadFile(), "[option]\ncolor=2\nclock=1\n");
    struct stat st {};
    ASSERT_EQ(::stat(path_.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(path_).parent_path()),
                            fs::directory_iterator()),
              1);
}

TEST_F(IniFile, RefusesEntriesThatWouldBreakTheFile) {
    WriteFile("[option]\nclock=1\n");
    IniFileProfile ini(path_);
    EXPECT_FALSE(ini.WriteString("option", "clock", "1\n[evil]"));
    EXPECT_FALSE(ini.WriteString("option", "a=b", "1"));
    EXPECT_FALSE(ini.WriteString("op]tion", "a", "1"));
    EXPECT_FALSE(ini.WriteString("", "a", "1"));
    // A name ending in a lone lead byte would swallow the "=" or "]" after it (found by
    // fuzzing: the entry never read back and each write added another line).
    EXPECT_FALSE(ini.WriteString("option", "\xe9", "1"));
    EXPECT_FALSE(ini.WriteString("option", "a\xe9 ", "1"));
    EXPECT_FALSE(ini.WriteString("op\xe9", "a", "1"));
    EXPECT_EQ(ReadFile(), "[option]\nclock=1\n");
    EXPECT_TRUE(ini.WriteString("\xd1\xa1", "\xe9=", "2"));  // "=" as a second byte
    EXPECT_EQ(IniLookup(ReadFile(), "\xd1\xa1", "\xe9="), "2");
}

TEST_F(IniFile, AnUnreadableFileIsNeverReplaced) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    WriteFile("[option]\nclock=1\n");
    ::chmod(path_.c_str(), 0);
    IniFileProfile ini(path_);
    EXPECT_FALSE(ini.WriteString("option", "color", "2"));
    ::chmod(path_.c_str(), 0600);
    EXPECT_EQ(ReadFile(), "[option]\nclock=1\n");
}

TEST(IniText, NamesFoldOnlySingleByteLetters) {
    // 0xB0 0x41 is one character whose second byte is "A"; it must not match 0xB0 0x61.
    EXPECT_TRUE(ProfileNamesEqual("Option", "oPTION"));
    EXPECT_FALSE(ProfileNamesEqual("\xB0\x41", "\xB0\x61"));
    const std::string text = "[" + Gb("选项") + "]\n" + Gb("颜色") + "=4\n";
    EXPECT_EQ(IniLookup(text, Gb("选项"), Gb("颜色")), "4");
    // A second byte equal to "=" or "]" is part of its character.
    EXPECT_EQ(IniLookup("[a\x81]]\nk\x81==5\n", "a\x81]", "k\x81="), "5");
}

TEST(IniText, AnEntryAddedAfterALastLineWithoutLineFeedReadsBack) {
    // Found by fuzzing: after a lone carriage return the new entry joined the header's line.
    for (const char* text : {"[option]", "[option]\r", "[option]\r\nclock=1\r"}) {
        const std::string written = IniSet(text, "option", "color", "2");
        EXPECT_EQ(IniLookup(written, "option", "color"), "2") << text;
        EXPECT_EQ(IniLookup(written, "option", "clock"), IniLookup(text, "option", "clock"));
    }
}

TEST(IniText, FirstSectionOfANameWins) {
    const std::string text = "[option]\nclock=1\n[option]\nclock=2\ncolor=3\n";
    EXPECT_EQ(IniLookup(text, "option", "clock"), "1");
    EXPECT_EQ(IniLookup(text, "option", "color"), "3");
    EXPECT_EQ(IniSet(text, "option", "clock", "0"),
              "[option]\nclock=0\n[option]\nclock=2\ncolor=3\n");
}

TEST(FakeProfileTest, ReadsLikeTheFileAndFailsOnRequest) {
    testing::FakeProfile p;
    p.Put("Option", "Clock", "1");
    EXPECT_EQ(p.GetInt("option", "clock", 0), 1);
    EXPECT_EQ(p.GetInt("option", "color", 3), 3);
    p.FailWrite("option", "color");
    EXPECT_FALSE(p.WriteString("OPTION", "COLOR", "2"));
    EXPECT_TRUE(p.WriteString("option", "clock", "0"));
    p.failAllWrites = true;
    EXPECT_FALSE(p.WriteString("option", "clock", "1"));
    ASSERT_EQ(p.writes.size(), 1u);
    EXPECT_EQ(p.Get("option", "clock"), "0");
}

}  // namespace
}  // namespace tocklet
