// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "store/IniProfile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "store/Files.h"
#include "store/Text.h"

namespace tocklet {
namespace {

enum class LineKind { Other, Header, Entry };

// One line of the text; offsets into the whole text.
struct Line {
    std::size_t begin = 0;
    std::size_t contentEnd = 0;  // before "\r\n" or "\n"
    std::size_t end = 0;         // after the line break
    LineKind kind = LineKind::Other;
    std::string_view name;       // section name (Header) or key (Entry)
    std::size_t valueBegin = 0;  // Entry: just after "="
};

Line Classify(std::string_view text, std::size_t begin, std::size_t contentEnd, std::size_t end) {
    Line line;
    line.begin = begin;
    line.contentEnd = contentEnd;
    line.end = end;
    std::string_view content = text.substr(begin, contentEnd - begin);
    std::size_t ts = 0;
    while (ts < content.size() && IsBlank(content[ts])) ++ts;
    if (ts == content.size() || content[ts] == ';') return line;
    if (content[ts] == '[') {
        std::size_t close = FindChar(content, ']', ts + 1);
        if (close != std::string_view::npos) {
            line.kind = LineKind::Header;
            line.name = Trim(content.substr(ts + 1, close - ts - 1));
        }
        return line;
    }
    std::size_t eq = FindChar(content, '=', ts);
    if (eq != std::string_view::npos) {
        line.kind = LineKind::Entry;
        line.name = Trim(content.substr(ts, eq - ts));
        line.valueBegin = begin + eq + 1;
    }
    return line;
}

std::vector<Line> SplitLines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t nl = text.find('\n', pos);
        std::size_t end = nl == std::string_view::npos ? text.size() : nl + 1;
        std::size_t contentEnd = nl == std::string_view::npos ? text.size() : nl;
        if (contentEnd > pos && text[contentEnd - 1] == '\r') --contentEnd;
        lines.push_back(Classify(text, pos, contentEnd, end));
        pos = end;
    }
    return lines;
}

// The line break the text already uses, "\n" for a text without one.
std::string_view LineBreak(std::string_view text) {
    std::size_t nl = text.find('\n');
    return (nl != std::string_view::npos && nl > 0 && text[nl - 1] == '\r') ? "\r\n" : "\n";
}

// True when the name ends with a whole character: a lead byte with nothing after it would
// take the "=" or "]" written after the name as its second byte.
bool EndsWithWholeCharacter(std::string_view name) {
    std::size_t pos = 0;
    while (pos < name.size()) {
        const std::size_t n = CharBytes(name, pos);
        if (n == 1 && IsLeadByte(static_cast<unsigned char>(name[pos]))) return false;
        pos += n;
    }
    return true;
}

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

enum class ReadResult { Ok, Missing, Failed };

[[nodiscard]] ReadResult ReadWholeFile(const std::string& path, std::string* out) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? ReadResult::Missing : ReadResult::Failed;
    out->clear();
    const bool ok = ReadAll(fd, out);
    ::close(fd);
    return ok ? ReadResult::Ok : ReadResult::Failed;
}

}  // namespace

int ProfileInt(std::optional<std::string_view> value, int defaultValue) {
    if (!value || value->empty()) return defaultValue;
    return AtoiLike(*value);
}

bool IsWritableProfileEntry(std::string_view section, std::string_view key,
                            std::string_view value) {
    auto oneLine = [](std::string_view s) {
        return s.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
    };
    if (Trim(section).empty() || Trim(key).empty()) return false;
    if (!EndsWithWholeCharacter(Trim(section)) || !EndsWithWholeCharacter(Trim(key))) return false;
    if (!oneLine(section) || !oneLine(key) || !oneLine(value)) return false;
    if (FindChar(key, '=') != std::string_view::npos) return false;
    if (FindChar(section, ']') != std::string_view::npos) return false;
    std::string_view k = Trim(key);
    return k.front() != '[' && k.front() != ';';
}

bool ProfileNamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    std::size_t pos = 0;
    while (pos < a.size()) {
        std::size_t n = CharBytes(a, pos);
        if (n == 2) {
            if (a.substr(pos, 2) != b.substr(pos, 2)) return false;
        } else if (FoldAscii(a[pos]) != FoldAscii(b[pos])) {
            return false;
        }
        pos += n;
    }
    return true;
}

std::optional<std::string> IniLookup(std::string_view text, std::string_view section,
                                     std::string_view key) {
    section = Trim(section);
    key = Trim(key);
    bool inSection = false;
    for (const Line& line : SplitLines(text)) {
        if (line.kind == LineKind::Header) {
            inSection = ProfileNamesEqual(line.name, section);
        } else if (inSection && line.kind == LineKind::Entry && ProfileNamesEqual(line.name, key)) {
            std::string_view v =
                Trim(text.substr(line.valueBegin, line.contentEnd - line.valueBegin));
            if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
                v = v.substr(1, v.size() - 2);
            }
            return std::string(v);
        }
    }
    return std::nullopt;
}

std::string IniSet(std::string_view text, std::string_view section, std::string_view key,
                   std::string_view value) {
    section = Trim(section);
    key = Trim(key);
    const std::vector<Line> lines = SplitLines(text);
    const std::string_view br = LineBreak(text);
    std::string out;

    // An existing entry: keep its line up to "=" and the blanks after it.
    bool inSection = false;
    for (const Line& line : lines) {
        if (line.kind == LineKind::Header) {
            inSection = ProfileNamesEqual(line.name, section);
        } else if (inSection && line.kind == LineKind::Entry && ProfileNamesEqual(line.name, key)) {
            std::size_t vb = line.valueBegin;
            while (vb < line.contentEnd && IsBlank(text[vb])) ++vb;
            out.append(text.substr(0, vb));
            out.append(value);
            out.append(text.substr(line.contentEnd));
            return out;
        }
    }

    // The first section of that name: add the entry after its last non-blank line.
    const std::string entry = std::string(key) + "=" + std::string(value);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind != LineKind::Header || !ProfileNamesEqual(lines[i].name, section)) {
            continue;
        }
        std::size_t last = i;
        for (std::size_t j = i + 1; j < lines.size() && lines[j].kind != LineKind::Header; ++j) {
            if (!Trim(text.substr(lines[j].begin, lines[j].contentEnd - lines[j].begin)).empty()) {
                last = j;
            }
        }
        const Line& after = lines[last];
        if (text[after.end - 1] == '\n') {
            out.append(text.substr(0, after.end));
        } else {
            // The text ended without a line feed, perhaps in a lone carriage return: that line
            // ends with a whole line break before the new entry.
            out.append(text.substr(0, after.contentEnd));
            out.append(br);
        }
        out.append(entry);
        out.append(br);
        out.append(text.substr(after.end));
        return out;
    }

    // No such section: add it at the end.
    out.assign(text);
    if (!out.empty() && out.back() != '\n') out.append(br);
    out.append("[").append(section).append("]").append(br);
    out.append(entry).append(br);
    return out;
}

int IniFileProfile::GetInt(std::string_view section, std::string_view key, int defaultValue) {
    std::string text;
    if (ReadWholeFile(path_, &text) != ReadResult::Ok) return defaultValue;
    auto value = IniLookup(text, section, key);
    return ProfileInt(value ? std::optional<std::string_view>(*value) : std::nullopt, defaultValue);
}

bool IniFileProfile::WriteString(std::string_view section, std::string_view key,
                                 std::string_view value) {
    if (!IsWritableProfileEntry(section, key, value)) return false;
    std::string text;
    // A file that exists but cannot be read is never replaced: its contents would be lost.
    if (ReadWholeFile(path_, &text) == ReadResult::Failed) return false;
    if (!MakePrivateFolders(FolderOf(path_))) return false;
    // Once renamed the new text is in place; a folder that could not be synced changes
    // nothing the caller could undo.
    return ReplaceFile(path_, IniSet(text, section, key, value), 0600) !=
           ReplaceResult::NotReplaced;
}

}  // namespace tocklet
