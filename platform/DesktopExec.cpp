// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/DesktopExec.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/Spawn.h"
#include "store/Text.h"

namespace tocklet {
namespace {

bool IsTargetCode(char c) { return c == 'f' || c == 'F' || c == 'u' || c == 'U'; }

// Position of the first "%f"-like code outside "%%", or npos.
std::size_t FindBareCode(std::string_view command) {
    for (std::size_t i = 0; i + 1 < command.size(); ++i) {
        if (command[i] != '%') continue;
        if (IsTargetCode(command[i + 1])) return i;
        ++i;  // "%%" and other codes are skipped whole
    }
    return std::string_view::npos;
}

std::size_t FindQuotedCode(std::string_view command) {
    for (std::size_t i = 0; i + 3 < command.size(); ++i) {
        if (command[i] == '"' && command[i + 1] == '%' && IsTargetCode(command[i + 2]) &&
            command[i + 3] == '"')
            return i;
    }
    return std::string_view::npos;
}

// The words found so far and the one being built.
struct WordBuilder {
    std::vector<std::string> words;
    std::string word;
    bool started = false;  // a word is open, even if it is empty so far ("")

    void Finish() {
        if (started) words.push_back(word);
        word.clear();
        started = false;
    }
};

}  // namespace

std::string CutAtFieldCode(std::string_view command) {
    std::size_t cut = FindQuotedCode(command);
    if (cut == std::string_view::npos) cut = FindBareCode(command);
    return std::string(command.substr(0, cut));
}

std::optional<std::vector<std::string>> SplitCommand(std::string_view command) {
    WordBuilder b;
    bool quoted = false;
    for (std::size_t i = 0; i < command.size(); ++i) {
        const char c = command[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '\\' && i + 1 < command.size()) {
                b.word += command[++i];
            } else if (c == '%' && i + 1 < command.size()) {
                if (command[++i] == '%') b.word += '%';
            } else {
                b.word += c;
            }
        } else if (c == ' ' || c == '\t' || c == '\n') {
            b.Finish();
        } else if (c == '"') {
            quoted = true;
            b.started = true;
        } else if (c == '%' && i + 1 < command.size()) {
            if (command[++i] == '%') {
                b.word += '%';
                b.started = true;
            }
        } else {
            b.word += c;
            b.started = true;
        }
    }
    if (quoted) return std::nullopt;
    b.Finish();
    return b.words;
}

std::optional<std::vector<std::string>> CommandForTarget(std::string_view command,
                                                         std::string_view target) {
    auto words = SplitCommand(CutAtFieldCode(command));
    if (!words || words->empty()) return std::nullopt;
    words->push_back(GbToUtf8(target));
    return words;
}

std::string FindProgram(std::string_view word, std::string_view pathList) {
    namespace fs = std::filesystem;
    if (word.empty()) return {};
    if (word.find('/') != std::string_view::npos) return std::string(word);
    std::size_t start = 0;
    while (start <= pathList.size()) {
        std::size_t end = pathList.find(':', start);
        if (end == std::string_view::npos) end = pathList.size();
        const std::string_view dir = pathList.substr(start, end - start);
        if (!dir.empty()) {
            const fs::path candidate = fs::path(dir) / word;
            std::error_code ec;
            if (fs::is_regular_file(candidate, ec) && ::access(candidate.c_str(), X_OK) == 0)
                return candidate.string();
        }
        start = end + 1;
    }
    return {};
}

int StartCommand(const std::vector<std::string>& words) {
    if (words.empty()) return ENOENT;
    const char* path = std::getenv("PATH");
    const std::string program = FindProgram(words.front(), path ? path : "/usr/bin:/bin");
    if (program.empty()) return ENOENT;
    return SpawnDetached(program, words, {});
}

}  // namespace tocklet
