// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "tools/RegToolCommands.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>

#include "store/Files.h"
#include "store/RegFile.h"
#include "store/Text.h"
#include "tools/RegValueText.h"

namespace tocklet {
namespace {

constexpr const char* kTool = "tocklet-reg: ";

[[nodiscard]] std::optional<std::string> ReadInput(const std::string& file, std::ostream& err) {
    if (file == "-") {
        std::string text((std::istreambuf_iterator<char>(std::cin)),
                         std::istreambuf_iterator<char>());
        if (std::cin.bad()) {
            err << kTool << "cannot read standard input\n";
            return std::nullopt;
        }
        return text;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        err << kTool << "cannot open " << file << ": " << std::strerror(errno) << "\n";
        return std::nullopt;
    }
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) {
        err << kTool << "cannot read " << file << "\n";
        return std::nullopt;
    }
    return text.str();
}

// Writes a file the registry may hold a password in: readable by its owner only when new.
[[nodiscard]] bool WriteOutput(const std::string& file, const std::string& text,
                               std::ostream& err) {
    int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        err << kTool << "cannot create " << file << ": " << std::strerror(errno) << "\n";
        return false;
    }
    if (!WriteAll(fd, text)) {
        err << kTool << "cannot write " << file << ": " << std::strerror(errno) << "\n";
        ::close(fd);
        return false;
    }
    if (::close(fd) != 0) {
        err << kTool << "cannot write " << file << ": " << std::strerror(errno) << "\n";
        return false;
    }
    return true;
}

std::string Hex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    for (char ch : bytes) {
        auto b = static_cast<unsigned char>(ch);
        out += kDigits[b >> 4];
        out += kDigits[b & 15];
    }
    return out;
}

void PrintValue(std::ostream& out, const NamedValue& nv) {
    out << (nv.name.empty() ? std::string("@") : GbToUtf8(nv.name)) << '\t'
        << RegTypeName(nv.value.type) << '\t' << nv.value.bytes.size() << '\t'
        << Hex(nv.value.bytes) << '\t' << RegValueText(nv.value) << '\n';
}

}  // namespace

int RunImportCommand(HiveRegistry& reg, const std::string& file, std::ostream& out,
                     std::ostream& err) {
    std::optional<std::string> text = ReadInput(file, err);
    if (!text) return 1;
    std::vector<RegOp> ops;
    RegParseError parseError;
    if (!ParseRegFile(*text, &ops, &parseError)) {
        err << kTool << file << ", line " << parseError.line << ": " << parseError.reason << "\n"
            << kTool << "nothing was imported\n";
        return 1;
    }
    std::string error;
    if (reg.Import(ops, &error) != kRegOk) {
        err << kTool << "import failed, the registry file is unchanged: " << error << "\n";
        return 1;
    }
    out << "Imported " << file << " into " << reg.Path() << "\n";
    return 0;
}

int RunExportCommand(HiveRegistry& reg, const std::string& file, RegFileVersion version,
                     std::ostream& out, std::ostream& err) {
    std::optional<Hive> hive = reg.Contents();
    if (!hive) {
        err << kTool << reg.Problem().value_or("the registry file cannot be read") << "\n";
        return 1;
    }
    std::string text;
    if (version == RegFileVersion::Regedit4) {
        text = FormatRegFile(*hive);
    } else {
        std::string error;
        std::optional<std::string> utf16 = FormatRegFileVersion5(*hive, &error);
        if (!utf16) {
            err << kTool << "cannot write a version 5 file: " << error << "\n"
                << kTool << "nothing was exported\n";
            return 1;
        }
        text = std::move(*utf16);
    }
    if (file != "-") return WriteOutput(file, text, err) ? 0 : 1;
    out << text;
    out.flush();
    if (!out) {
        err << kTool << "cannot write to standard output\n";
        return 1;
    }
    return 0;
}

int RunQueryCommand(HiveRegistry& reg, const std::string& key, const std::string* name,
                    std::ostream& out, std::ostream& err) {
    std::optional<std::string> gbKey = TryUtf8ToGb(key);
    std::string path = gbKey ? NormalizeKeyPath(*gbKey) : std::string();
    if (path.empty()) {
        err << kTool << "\"" << key
            << "\" is not a key path; write it like HKEY_LOCAL_MACHINE\\Software\\... "
               "(or HKLM\\..., HKCU\\...)\n";
        return 2;
    }
    std::optional<Hive> hive = reg.Contents();
    if (!hive) {
        err << kTool << reg.Problem().value_or("the registry file cannot be read") << "\n";
        return 1;
    }
    const std::vector<NamedValue>* values = hive->Values(path);
    if (values == nullptr) {
        err << kTool << "no key " << key << " in " << reg.Path() << "\n";
        return 1;
    }
    if (name == nullptr) {
        for (const NamedValue& nv : *values) PrintValue(out, nv);
        return 0;
    }
    std::optional<std::string> gbName =
        *name == "@" ? std::optional<std::string>("") : TryUtf8ToGb(*name);
    for (const NamedValue& nv : *values) {
        if (gbName && SameName(nv.name, *gbName)) {
            PrintValue(out, nv);
            return 0;
        }
    }
    err << kTool << "no value \"" << *name << "\" in " << key << "\n";
    return 1;
}

}  // namespace tocklet
