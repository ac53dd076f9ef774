// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>
#include <iconv.h>

#include <sstream>

#include "store/RegFile.h"
#include "store/Registry.h"
#include "store/Text.h"

namespace tocklet {
namespace {

constexpr const char* kKey = "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\tocklet";

Hive ParseInto(std::string_view text) {
    std::vector<RegOp> ops;
    RegParseError error;
    EXPECT_TRUE(ParseRegFile(text, &ops, &error)) << error.line << ": " << error.reason;
    Hive hive;
    EXPECT_TRUE(ApplyRegOps(hive, ops));
    return hive;
}

RegParseError ParseError(std::string_view text) {
    std::vector<RegOp> ops;
    RegParseError error;
    EXPECT_FALSE(ParseRegFile(text, &ops, &error)) << text;
    return error;
}

std::string Bytes(const Hive& hive, std::string_view name) {
    const RegValue* v = hive.GetValue(kKey, name);
    return v ? v->bytes : "<missing>";
}

TEST(RegFile, ReadsEveryValueForm) {
    std::string text =
        "REGEDIT4\r\n"
        "\r\n"
        "; the program's key\r\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\tocklet]\r\n"
        "\"text\"=\"a \\\"b\\\" c:\\\\d\"\r\n"
        "@=\"default\"\n"
        "  \"happen\"=hex(1):30,00,00\n"
        "\"bin\" = hex:01,FF,\\\n"
        "  7f,\\\n"
        "\n"
        "\"dword\"=dword:0000000A\n"
        "\"short\"=dword:a\n"
        "\"multi\"=hex(7):61,00,00\n"
        "\"empty\"=hex:\n"
        "\"gone\"=\"x\"\n"
        "\"gone\"=-\n";
    Hive hive = ParseInto(text);
    EXPECT_TRUE(hive.KeyExists("HKLM\\Software\\Microsoft\\Windows"));
    EXPECT_EQ(Bytes(hive, "text"), std::string("a \"b\" c:\\d\0", 11));
    EXPECT_EQ(Bytes(hive, ""), std::string("default\0", 8));
    EXPECT_EQ(Bytes(hive, "happen"), std::string("0\0\0", 3));
    EXPECT_EQ(hive.GetValue(kKey, "happen")->type, kRegSz);
    EXPECT_EQ(*hive.GetValue(kKey, "bin"), (RegValue{kRegBinary, "\x01\xFF\x7F"}));
    EXPECT_EQ(*hive.GetValue(kKey, "dword"), (RegValue{kRegDword, std::string("\x0A\0\0\0", 4)}));
    EXPECT_EQ(Bytes(hive, "short"), std::string("\x0A\0\0\0", 4));
    EXPECT_EQ(*hive.GetValue(kKey, "multi"), (RegValue{7, std::string("a\0\0", 3)}));
    EXPECT_EQ(*hive.GetValue(kKey, "empty"), (RegValue{kRegBinary, ""}));
    EXPECT_EQ(hive.GetValue(kKey, "gone"), nullptr);
}

TEST(RegFile, TakesCodePage936BytesRawInsideQuotes) {
    // 0xB1 0x5C and 0x81 0x22: second bytes equal to a backslash and a quote.
    std::string text = "REGEDIT4\n[HKLM\\Software\\Microsoft\\Windows\\tocklet]\n\"" + Gb("开会") +
                       "\"=\"\xB1\x5C|\x81\x22\"\n";
    Hive hive = ParseInto(text);
    EXPECT_EQ(Bytes(hive, Gb("开会")), std::string("\xB1\x5C|\x81\x22\0", 6));
}

TEST(RegFile, KeyLinesCreateAndDeleteKeys) {
    Hive hive = ParseInto(
        "REGEDIT4\n\n[HKLM\\A\\B]\n\"v\"=\"1\"\n[HKLM\\A\\C]\n[-HKEY_LOCAL_MACHINE\\a\\b]\n"
        "[-HKLM\\Never\\There]\n");
    EXPECT_TRUE(hive.KeyExists("HKLM\\A\\C"));
    EXPECT_FALSE(hive.KeyExists("HKLM\\A\\B"));
}

TEST(RegFile, RefusesBadFilesNamingTheLine) {
    struct Case {
        std::string text;
        int line;
        std::string reason;
    };
    const std::string head = "REGEDIT4\n\n[HKLM\\K]\n";
    std::vector<Case> cases = {
        {"", 1, "empty"},
        {"REGEDIT5\n", 1, "REGEDIT4"},
        {"Windows Registry Editor Version 6.00\r\n", 1, "version 5"},
        {"REGEDIT4\n\"v\"=\"1\"\n", 2, "[key]"},
        {head + "[HKLM\\K\n", 4, "]"},
        {head + "[Software\\K]\n", 4, "unknown root"},
        {head + "[HKLM\\\\K]\n", 4, "empty"},
        {head + "[]\n", 4, "empty"},
        {head + "\"v\"=\"abc\n", 4, "not closed"},
        {head + "\"v\"=\"a\\nb\"\n", 4, "escape"},
        {head + "\"v\"=\"a\x01"
                "b\"\n",
         4, "control byte 0x01"},
        {head + "\"v\"=\"a\"x\n", 4, "after the closing quote"},
        {head + "\"v\" \"a\"\n", 4, "="},
        {head + "\"v\"=hex:1,xyz\n", 4, "\"xyz\" is not a hex byte"},
        {head + "\"v\"=hex:01,,02\n", 4, "empty item"},
        {head + "\"v\"=hex:100\n", 4, "not a hex byte"},
        {head + "\"v\"=hex:01,\\\n  02,\\\n  zz\n", 6, "not a hex byte"},
        {head + "\"v\"=hex:01,\\\n", 4, "past the end"},
        {head + "\"v\"=hex(g):01\n", 4, "hex("},
        {head + "\"v\"=hex(1:01\n", 4, "hex("},
        {head + "\"v\"=dword:123456789\n", 4, "dword"},
        {head + "\"v\"=dword:\n", 4, "dword"},
        {head + "\"v\"=12\n", 4, "unknown value form"},
        {head + "[-HKLM\\K]\n\"v\"=\"1\"\n", 5, "[key]"},
        {head + "garbage\n", 4, "expected"},
        {head + "\"a\tb\"=\"1\"\n", 4, "value name"},
    };
    for (const Case& c : cases) {
        RegParseError error = ParseError(c.text);
        EXPECT_EQ(error.line, c.line) << c.text;
        EXPECT_NE(error.reason.find(c.reason), std::string::npos)
            << c.text << " gave: " << error.reason;
    }
}

// Values whose bytes a careless writer would change.
std::vector<NamedValue> AwkwardValues() {
    using namespace std::string_literals;
    return {
        {"happen", {kRegSz, "0\0\0"s}},
        {"ClockOpen", {kRegSz, "1"}},
        {"music", {kRegSz, "0\0"s}},
        {"trailing zeros", {kRegSz, "abc\0\0\0\0"s}},
        {"embedded zero", {kRegSz, "a\0b\0"s}},
        {"no terminator", {kRegSz, "abc"}},
        {"empty", {kRegSz, ""}},
        {"only zero", {kRegSz, "\0"s}},
        {"quotes \"and\" \\", {kRegSz, "say \"hi\" C:\\dir\\\0"s}},
        {"gb", {kRegSz, Gb("开会,下午三点") + "\0"s}},
        {"gb backslash", {kRegSz, "\xB1\x5C\0"s}},
        {"gb quote-like", {kRegSz, "\x81\x22x\0"s}},
        {"gb control second byte", {kRegSz, "\x81\x0A\0"s}},
        {"lone lead byte", {kRegSz, "ab\xB0\0"s}},
        {"newline", {kRegSz, "a\r\nb\0"s}},
        {"tab", {kRegSz, "a\tb\0"s}},
        {"del", {kRegSz, "a\x7F\0"s}},
        {"task", {kRegSz, "1110,30_|" + Gb("开会") + std::string(100 - 13, '\0')}},
        {"binary", {kRegBinary, "\x00\xFF\x5C\x22"s}},
        {"empty binary", {kRegBinary, ""}},
        {"dword", {kRegDword, "\x01\x02\x03\x04"}},
        {"short dword", {kRegDword, "\x01"}},
        {"odd type", {0x12345678, "zz"}},
        {"type zero", {0, ""}},
        {"long", {kRegBinary, std::string(1000, '\xAB')}},
        {"", {kRegSz, "default\0"s}},
        {"@", {kRegSz, "at\0"s}},
        {Gb("开") + "\x5C", {kRegSz, "x\0"s}},
    };
}

TEST(RegFile, FormatThenParseGivesBackEveryByte) {
    Hive hive;
    ASSERT_TRUE(hive.CreateKey(kKey));
    ASSERT_TRUE(hive.CreateKey("HKLM\\Empty\\Key"));
    ASSERT_TRUE(hive.CreateKey("HKCU\\a\xB1\x5C]x]"));
    for (const NamedValue& nv : AwkwardValues()) {
        ASSERT_TRUE(hive.SetValue(kKey, nv.name, nv.value)) << nv.name;
        ASSERT_TRUE(hive.SetValue("HKCU\\a\xB1\x5C]x]", nv.name, nv.value)) << nv.name;
    }
    std::string text = FormatRegFile(hive);
    Hive back = ParseInto(text);
    EXPECT_EQ(back, hive);
    EXPECT_EQ(FormatRegFile(back), text);
}

TEST(RegFile, WritesReadableTextOnlyWhereItReadsBackExactly) {
    Hive hive;
    ASSERT_TRUE(hive.CreateKey(kKey));
    for (const NamedValue& nv : AwkwardValues())
        ASSERT_TRUE(hive.SetValue(kKey, nv.name, nv.value));
    std::string text = FormatRegFile(hive);
    ASSERT_EQ(text.rfind("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE]\r\n", 0), 0u);
    EXPECT_NE(text.find("\"happen\"=hex(1):30,00,00\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"ClockOpen\"=hex(1):31\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"music\"=\"0\"\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"quotes \\\"and\\\" \\\\\"=\"say \\\"hi\\\" C:\\\\dir\\\\\"\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("\"gb backslash\"=\"\xB1\x5C\"\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"gb control second byte\"=hex(1):81,0a,00\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"lone lead byte\"=hex(1):61,62,b0,00\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"dword\"=dword:04030201\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"short dword\"=hex(4):01\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"odd type\"=hex(12345678):7a,7a\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"empty binary\"=hex:\r\n"), std::string::npos);
    EXPECT_NE(text.find("@=\"default\"\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"@\"=\"at\"\r\n"), std::string::npos);

    // Long hex lists wrap with a backslash; no line grows past 80 columns.
    std::istringstream lines(text);
    std::string line;
    int continued = 0;
    while (std::getline(lines, line)) {
        EXPECT_LE(line.size(), 81u) << line;  // 80 plus the CR
        if (line.size() >= 2 && line.compare(line.size() - 2, 2, "\\\r") == 0) ++continued;
    }
    EXPECT_GT(continued, 10);
}

}  // namespace
}  // namespace tocklet

namespace tocklet {
namespace {

// A file as regedit writes it: UTF-16LE with a byte-order mark and CRLF line ends.
std::string Utf16File(const std::string& utf8) {
    std::string crlf;
    for (char c : utf8) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    std::string out(crlf.size() * 4, '\0');
    iconv_t cd = iconv_open("UTF-16LE", "UTF-8");
    char* in = crlf.data();
    char* to = out.data();
    std::size_t inLeft = crlf.size();
    std::size_t outLeft = out.size();
    EXPECT_NE(iconv(cd, &in, &inLeft, &to, &outLeft), static_cast<std::size_t>(-1));
    iconv_close(cd);
    return "\xFF\xFE" + out.substr(0, out.size() - outLeft);
}

// Two files for the same values: continuation lines, every value form, deletions, Chinese.
std::string TwinFile(bool version5) {
    auto v5 = [&](const char* five, const char* four) { return version5 ? five : four; };
    return std::string(v5("Windows Registry Editor Version 5.00", "REGEDIT4")) +
           "\n\n[HKEY_LOCAL_MACHINE\\Software\\守时]\n"
           "; 设置\n\"text\"=\"开会 \\\"a\\\" c:\\\\d\"\n@=\"默认\"\n"
           "\"happen\"=hex(1):" +
           v5("30,00,00,00,00,00", "30,00,00") + "\n\"exp\"=hex(2):" +
           v5("25,00,41,00,25,00,5c,00,\\\n  00,5f,1a,4f,00,00",
              "25,41,25,5c,\\\n  bf,aa,bb,e1,00") +
           "\n\"multi\"=hex(7):" +
           v5("61,00,00,00,00,5f,1a,4f,00,00,00,00", "61,00,bf,aa,bb,e1,00,00") +
           "\n\"d\"=dword:0000001e\n\"q\"=hex(b):20,00,00,00,00,00,00,00\n\"bin\"=hex:01,\\\n  ff\n"
           "\"none\"=hex(0):\n\"be\"=hex(5):00,00,01,00\n\"res\"=hex(8):01,02\n\"link\"=hex(6):41\n"
           "\"gone\"=\"x\"\n\"gone\"=-\n\n[HKEY_LOCAL_MACHINE\\Software\\守时\\Old]\n\"v\"=\"1\"\n"
           "\n[-HKEY_LOCAL_MACHINE\\Software\\守时\\Old]\n";
}

TEST(RegFile, Version5FilesReadToTheSameBytesAsTheirRegedit4Twin) {
    Hive twin = ParseInto(Gb(TwinFile(false)));
    const std::string key = "HKLM\\Software\\" + Gb("守时");
    ASSERT_EQ(twin.Values(key)->size(), 12u);
    EXPECT_FALSE(twin.KeyExists(key + "\\Old"));
    EXPECT_EQ(ParseInto(Utf16File(TwinFile(true))), twin);
    EXPECT_EQ(ParseInto(TwinFile(true)), twin);  // UTF-8 as saved by a Linux editor
    EXPECT_EQ(ParseInto("\xEF\xBB\xBF" + TwinFile(true)), twin);

    // Written as version 5 for Windows, the hive reads back byte for byte.
    std::string error;
    std::optional<std::string> v5 = FormatRegFileVersion5(twin, &error);
    ASSERT_TRUE(v5) << error;
    EXPECT_EQ(v5->substr(0, 4), std::string("\xFF\xFEW\0", 4));
    EXPECT_EQ(ParseInto(*v5), twin);
    // Bytes that are not code page 936 text have no UTF-16 form: refused, naming the value.
    ASSERT_TRUE(twin.SetValue(key, "lone", RegValue{kRegSz, "a\xB0"}));
    EXPECT_FALSE(FormatRegFileVersion5(twin, &error));
    EXPECT_NE(error.find("\"lone\""), std::string::npos) << error;
}

TEST(RegFile, Version5TextCodePage936CannotHoldIsRefusedWithItsLine) {
    const std::string head = "Windows Registry Editor Version 5.00\n\n[HKLM\\K]\n";
    struct Case {
        std::string file;
        int line;
        std::string reason;
    };
    std::vector<Case> cases = {
        {Utf16File(head + "\"a\"=\"ok\"\n\"b\"=\"开会क\"\n"), 5, "\"क\" (U+0915)"},
        {Utf16File(head + "\"क\"=\"1\"\n"), 4, "U+0915"},
        {head + "\"a\"=\"😀\"\n", 4, "\"😀\" (U+1F600)"},
        {head + "\"a\"=\"\xBF\xAA\"\n", 4, "byte 0xBF is not UTF-8"},
        {head + "\"a\"=hex(2):41,00,\\\n  15,09,00,00\n", 4, "hex(2) data"},
        {head + "\"a\"=hex(7):41,00,42\n", 4, "odd number of bytes"},
        {head + "\"a\"=hex(1):3d,d8,00,00\n", 4, "lone surrogate"},
        {"\xFE\xFF" + head, 1, "big-endian"},
        {Utf16File(head).substr(0, 9), 1, "half a UTF-16 character"},
    };
    for (const Case& c : cases) {
        RegParseError error = ParseError(c.file);
        EXPECT_EQ(error.line, c.line) << c.reason;
        EXPECT_NE(error.reason.find(c.reason), std::string::npos) << error.reason;
    }
    // Nothing of a comment is stored, so any character may stand in one.
    ParseInto(head + "; 😀\n\"a\"=\"1\"\n");
}

}  // namespace
}  // namespace tocklet
