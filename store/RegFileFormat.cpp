// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <cstdio>
#include <optional>

#include "store/RegFile.h"
#include "store/RegFileEncoding.h"
#include "store/Registry.h"
#include "store/Text.h"

// Writing a hive as a .reg file. A REGEDIT4 file carries every byte as it is; a version 5 file
// carries names and texts as UTF-16LE, so it can only be written when they are code page 936
// text that converts there and back exactly.

namespace tocklet {
namespace {

constexpr std::string_view kRegedit4Header = "REGEDIT4";
constexpr std::size_t kHexLineWidth = 78;

// Writes name or text between quotes, escaping \ and " where they stand as characters.
void AppendQuoted(std::string& out, std::string_view text) {
    out += '"';
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t n = CharBytes(text, i);
        if (n == 1 && (text[i] == '\\' || text[i] == '"')) out += '\\';
        out.append(text.substr(i, n));
        i += n;
    }
    out += '"';
}

// True when the value is REG_SZ whose bytes read back exactly from the quoted form: printable
// text with whole characters and no zero byte, then exactly one zero byte.
bool FitsQuotedForm(const RegValue& v) {
    if (v.type != kRegSz || v.bytes.empty() || v.bytes.back() != '\0') return false;
    std::string_view text(v.bytes.data(), v.bytes.size() - 1);
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7F) return false;
    }
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 >= text.size()) return false;
        i += CharBytes(text, i);
    }
    return true;
}

void AppendHexList(std::string& out, std::string line, std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    bool itemOnLine = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        auto b = static_cast<unsigned char>(bytes[i]);
        std::string item{kDigits[b >> 4], kDigits[b & 15]};
        if (i + 1 < bytes.size()) item += ',';
        if (itemOnLine && line.size() + item.size() > kHexLineWidth) {
            out += line + "\\\r\n";
            line = "  ";
        }
        line += item;
        itemOnLine = true;
    }
    out += line + "\r\n";
}

class Writer {
public:
    explicit Writer(bool version5) : version5_(version5) {
        out_ = version5 ? kVersion5Header : kRegedit4Header;
        out_ += "\r\n";
    }

    [[nodiscard]] bool Key(const std::string& path, const std::vector<NamedValue>& values) {
        if (!Carried(path)) return Refuse("the key name " + GbToUtf8(path));
        out_ += "\r\n[" + path + "]\r\n";
        for (const NamedValue& nv : values) {
            if (!Value(nv)) {
                return Refuse("the value \"" + GbToUtf8(nv.name) + "\" of " + GbToUtf8(path));
            }
        }
        return true;
    }

    std::string& Text() { return out_; }
    const std::string& Error() const { return error_; }

private:
    // True when a version 5 file can carry the text (always for REGEDIT4).
    bool Carried(std::string_view text) const { return !version5_ || TryGbToUtf16(text); }

    [[nodiscard]] bool Refuse(const std::string& what) {
        if (error_.empty()) {
            error_ = what +
                     " holds bytes that are not code page 936 text, which a version 5 file "
                     "cannot carry; a REGEDIT4 file keeps every byte";
        }
        return false;
    }

    [[nodiscard]] bool Value(const NamedValue& nv) {
        if (!Carried(nv.name)) return false;
        std::string line;
        if (nv.name.empty()) {
            line = "@";
        } else {
            AppendQuoted(line, nv.name);
        }
        line += '=';
        const RegValue& v = nv.value;
        std::string_view text(v.bytes.data(), v.bytes.empty() ? 0 : v.bytes.size() - 1);
        if (FitsQuotedForm(v) && Carried(text)) {
            AppendQuoted(line, text);
            out_ += line + "\r\n";
        } else if (v.type == kRegDword && v.bytes.size() == 4) {
            std::uint32_t n = 0;
            for (int i = 3; i >= 0; --i) n = (n << 8) | static_cast<unsigned char>(v.bytes[i]);
            char buf[16];
            std::snprintf(buf, sizeof buf, "dword:%08x", static_cast<unsigned>(n));
            out_ += line + buf + "\r\n";
        } else if (v.type == kRegBinary) {
            AppendHexList(out_, line + "hex:", v.bytes);
        } else {
            std::optional<std::string> data = v.bytes;
            if (version5_ && IsTextType(v.type)) data = TryGbToUtf16(v.bytes);
            if (!data) return false;
            char buf[24];
            std::snprintf(buf, sizeof buf, "hex(%x):", static_cast<unsigned>(v.type));
            AppendHexList(out_, line + buf, *data);
        }
        return true;
    }

    bool version5_;
    std::string out_;
    std::string error_;
};

}  // namespace

std::string FormatRegFile(const Hive& hive) {
    Writer writer(false);
    hive.ForEachKey([&](const std::string& path, const std::vector<NamedValue>& values) {
        if (!writer.Key(path, values)) {
            // Never: REGEDIT4 carries every byte, so only a version 5 writer refuses a key.
        }
    });
    return std::move(writer.Text());
}

std::optional<std::string> FormatRegFileVersion5(const Hive& hive, std::string* error) {
    Writer writer(true);
    bool ok = true;
    hive.ForEachKey([&](const std::string& path, const std::vector<NamedValue>& values) {
        ok = ok && writer.Key(path, values);
    });
    // Every name and text was checked on the way, and the rest is ASCII.
    std::optional<std::string> utf16 = ok ? TryGbToUtf16(writer.Text()) : std::nullopt;
    if (!utf16) {
        if (error) {
            *error = writer.Error().empty()
                         ? "the registry holds text a version 5 file cannot carry"
                         : writer.Error();
        }
        return std::nullopt;
    }
    return "\xFF\xFE" + *utf16;
}

}  // namespace tocklet
