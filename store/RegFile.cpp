// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "store/RegFile.h"

#include <cstdio>
#include <optional>

#include "store/RegFileEncoding.h"
#include "store/Registry.h"
#include "store/Text.h"

namespace tocklet {
namespace {

constexpr std::string_view kRegedit4Header = "REGEDIT4";

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads 1 to maxDigits hex digits making up all of text.
[[nodiscard]] std::optional<std::uint32_t> ParseHexNumber(std::string_view text,
                                                          std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits) return std::nullopt;
    std::uint32_t v = 0;
    for (char c : text) {
        int d = HexDigit(c);
        if (d < 0) return std::nullopt;
        v = v * 16 + static_cast<std::uint32_t>(d);
    }
    return v;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && SameName(s.substr(0, prefix.size()), prefix);
}

std::string ByteText(unsigned char c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%02X", c);
    return buf;
}

// File bytes quoted in a message, with anything outside printable ASCII as \xNN so the message
// stays plain text whatever the file holds.
std::string Shown(std::string_view bytes) {
    std::string out;
    for (char ch : bytes.substr(0, 60)) {
        auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 || c >= 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        } else {
            out += ch;
        }
    }
    if (bytes.size() > 60) out += "...";
    return out;
}

class Parser {
public:
    Parser(std::string_view text, std::vector<RegOp>* ops, RegParseError* error)
        : text_(text), ops_(*ops), error_(*error) {}

    bool Run() {
        std::string_view line;
        if (!NextLine(&line)) return Fail("the file is empty; a .reg file starts with REGEDIT4");
        version5_ = TrimRight(line) == kVersion5Header;
        if (!version5_ && TrimRight(line) != kRegedit4Header) {
            if (StartsWithNoCase(line, "Windows Registry Editor")) {
                return Fail("only version 5.00 of \"Windows Registry Editor\" files is read");
            }
            return Fail("the first line must be REGEDIT4 or " + std::string(kVersion5Header));
        }
        while (NextLine(&line)) {
            std::string_view s = TrimLeft(line);
            if (s.empty() || s.front() == ';') continue;
            bool ok = s.front() == '[' ? KeyLine(s) : ValueLine(s);
            if (!ok) return false;
        }
        return true;
    }

private:
    [[nodiscard]] bool NextLine(std::string_view* line) {
        if (pos_ >= text_.size()) return false;
        std::size_t end = text_.find('\n', pos_);
        if (end == std::string_view::npos) end = text_.size();
        *line = text_.substr(pos_, end - pos_);
        if (!line->empty() && line->back() == '\r') line->remove_suffix(1);
        pos_ = end + 1;
        ++lineNo_;
        return true;
    }

    [[nodiscard]] bool Fail(std::string reason) {
        return FailAt(lineNo_ == 0 ? 1 : lineNo_, std::move(reason));
    }

    [[nodiscard]] bool FailAt(int line, std::string reason) {
        error_.line = line;
        error_.reason = std::move(reason);
        return false;
    }

    [[nodiscard]] bool KeyLine(std::string_view s) {
        s = TrimRight(s);
        if (s.size() < 2 || s.back() != ']') return Fail("a key line must end with ]");
        std::string_view path = s.substr(1, s.size() - 2);
        bool remove = !path.empty() && path.front() == '-';
        if (remove) path.remove_prefix(1);
        std::string normal = NormalizeKeyPath(path);
        if (normal.empty()) return Fail(KeyPathProblem(path));
        if (remove) {
            ops_.push_back(RegOp{RegOp::Kind::DeleteKey, normal, {}, {}});
            current_.reset();
        } else {
            ops_.push_back(RegOp{RegOp::Kind::CreateKey, normal, {}, {}});
            current_ = normal;
        }
        return true;
    }

    static std::string KeyPathProblem(std::string_view path) {
        if (path.empty()) return "the key name is empty";
        std::string root(path.substr(0, FindChar(path, '\\')));
        if (NormalizeKeyPath(root).empty()) {
            return "unknown root key \"" + Shown(root) +
                   "\"; a key starts with HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER, "
                   "HKEY_CLASSES_ROOT, HKEY_USERS or HKEY_CURRENT_CONFIG";
        }
        return "the key name has an empty or over-long part, a control byte, a broken "
               "two-byte character or too many levels";
    }

    [[nodiscard]] bool ValueLine(std::string_view s) {
        std::size_t pos = 0;
        std::string name;
        if (s.front() == '@') {
            pos = 1;
        } else if (s.front() == '"') {
            if (!Quoted(s, &pos, &name)) return false;
            if (!IsValidValueName(name)) {
                return Fail("the value name has a control byte or is over-long");
            }
        } else {
            return Fail("expected a [key] line, a \"name\"= or @= value line, or a ; comment");
        }
        std::string_view rest = TrimLeft(s.substr(pos));
        if (rest.empty() || rest.front() != '=') return Fail("expected = after the value name");
        rest = Trim(rest.substr(1));
        if (!current_) return Fail("a value line must follow a [key] line");
        const int valueLine = lineNo_;

        RegOp op{RegOp::Kind::SetValue, *current_, std::move(name), {}};
        if (rest == "-") {
            op.kind = RegOp::Kind::DeleteValue;
        } else if (!rest.empty() && rest.front() == '"') {
            std::size_t p = 0;
            if (!Quoted(rest, &p, &op.value.bytes)) return false;
            if (p != rest.size()) return Fail("unexpected text after the closing quote");
            op.value.bytes.push_back('\0');
            op.value.type = kRegSz;
        } else if (StartsWithNoCase(rest, "dword:")) {
            auto v = ParseHexNumber(rest.substr(6), 8);
            if (!v) return Fail("dword: must be followed by 1 to 8 hex digits");
            op.value.type = kRegDword;
            for (int i = 0; i < 4; ++i) op.value.bytes.push_back(static_cast<char>(*v >> (8 * i)));
        } else if (StartsWithNoCase(rest, "hex:")) {
            op.value.type = kRegBinary;
            if (!HexList(rest.substr(4), &op.value.bytes)) return false;
        } else if (StartsWithNoCase(rest, "hex(")) {
            std::size_t close = rest.find("):");
            auto type = close == std::string_view::npos
                            ? std::nullopt
                            : ParseHexNumber(rest.substr(4, close - 4), 8);
            if (!type) return Fail("hex( must be followed by a type in 1 to 8 hex digits and ):");
            op.value.type = *type;
            if (!HexList(rest.substr(close + 2), &op.value.bytes)) return false;
            if (version5_ && IsTextType(op.value.type)) {
                std::string gb;
                std::string reason;
                if (!Utf16DataToGb(op.value.bytes, &gb, &reason)) {
                    return FailAt(valueLine,
                                  "the hex(" + std::string(rest.substr(4, close - 4)) +
                                      ") data of a version 5 file is UTF-16LE text: " + reason);
                }
                op.value.bytes = std::move(gb);
            }
        } else {
            return Fail("unknown value form; expected \"text\", hex:, hex(n):, dword: or -");
        }
        ops_.push_back(std::move(op));
        return true;
    }

    // Reads a quoted text starting at s[*pos] == '"'; leaves *pos after the closing quote.
    [[nodiscard]] bool Quoted(std::string_view s, std::size_t* pos, std::string* out) {
        std::size_t i = *pos + 1;
        while (true) {
            if (i >= s.size()) return Fail("a quoted text is not closed on its line");
            auto c = static_cast<unsigned char>(s[i]);
            if (c == '"') break;
            if (c == '\\') {
                if (i + 1 >= s.size()) return Fail("a quoted text is not closed on its line");
                char e = s[i + 1];
                if (e != '\\' && e != '"') {
                    return Fail("unknown escape \\" + Shown(std::string_view(&e, 1)) +
                                " in quoted text; only \\\\ and \\\" are allowed");
                }
                out->push_back(e);
                i += 2;
            } else if (IsLeadByte(c)) {
                if (i + 1 >= s.size()) return Fail("a quoted text is not closed on its line");
                out->append(s.substr(i, 2));
                i += 2;
            } else if (c < 0x20 && c != '\t') {
                return Fail("control byte " + ByteText(c) + " in quoted text");
            } else {
                out->push_back(static_cast<char>(c));
                ++i;
            }
        }
        *pos = i + 1;
        return true;
    }

    // Reads comma-separated bytes, following trailing-backslash continuations onto later lines.
    [[nodiscard]] bool HexList(std::string_view segment, std::string* out) {
        while (true) {
            segment = Trim(segment);
            bool more = !segment.empty() && segment.back() == '\\';
            if (more) segment = TrimRight(segment.substr(0, segment.size() - 1));
            if (!HexSegment(segment, out)) return false;
            if (!more) return true;
            if (!NextLine(&segment)) {
                return Fail("the hex list continues past the end of the file");
            }
        }
    }

    [[nodiscard]] bool HexSegment(std::string_view segment, std::string* out) {
        if (segment.empty()) return true;
        std::size_t start = 0;
        while (start <= segment.size()) {
            std::size_t comma = segment.find(',', start);
            bool last = comma == std::string_view::npos;
            std::string_view item =
                Trim(segment.substr(start, last ? std::string_view::npos : comma - start));
            if (item.empty()) {
                // Only a trailing comma may leave an empty item.
                if (!last) return Fail("empty item in the hex list");
                return true;
            }
            auto v = ParseHexNumber(item, 2);
            if (!v) return Fail("\"" + Shown(item) + "\" is not a hex byte");
            out->push_back(static_cast<char>(*v));
            if (last) return true;
            start = comma + 1;
        }
        return true;
    }

    std::string_view text_;
    std::vector<RegOp>& ops_;
    RegParseError& error_;
    std::size_t pos_ = 0;
    int lineNo_ = 0;
    bool version5_ = false;
    std::optional<std::string> current_;
};

}  // namespace

bool ParseRegFile(std::string_view bytes, std::vector<RegOp>* ops, RegParseError* error) {
    std::string text;
    if (!DecodeRegFileText(bytes, &text, error)) return false;
    return Parser(text, ops, error).Run();
}

bool ApplyRegOps(Hive& hive, const std::vector<RegOp>& ops) {
    for (const RegOp& op : ops) {
        switch (op.kind) {
            case RegOp::Kind::CreateKey:
                if (!hive.CreateKey(op.key)) return false;
                break;
            case RegOp::Kind::DeleteKey:
                if (!hive.DeleteKey(op.key)) {
                    // A .reg file may delete a key that is not there: that is no error.
                }
                break;
            case RegOp::Kind::SetValue:
                if (!hive.SetValue(op.key, op.name, op.value)) return false;
                break;
            case RegOp::Kind::DeleteValue:
                if (!hive.DeleteValue(op.key, op.name)) {
                    // Nor is deleting a value that is not there.
                }
                break;
        }
    }
    return true;
}

}  // namespace tocklet
