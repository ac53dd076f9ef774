// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// Feeds arbitrary UTF-16LE text to the version 5 reader, behind the byte-order mark and the
// header line regedit writes, so that every input reaches the conversion of its lines and of
// its hex(1), hex(2) and hex(7) data. Whatever it accepts must read to the same hive as the
// REGEDIT4 file it writes out; whatever it refuses must name a line and a reason.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "store/RegFile.h"
#include "store/RegFileEncoding.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

std::string Utf16Header() {
    std::string out("\xFF\xFE", 2);
    for (char c : std::string(tocklet::kVersion5Header) + "\r\n\r\n") {
        out.push_back(c);
        out.push_back('\0');
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tocklet;
    static const std::string header = Utf16Header();
    const std::string_view body(reinterpret_cast<const char*>(data), size);
    const std::string file = header + std::string(body);

    // The string-data conversion on its own: either text or a reason.
    std::string gb, reason;
    if (!Utf16DataToGb(body, &gb, &reason)) Check(!reason.empty());

    std::vector<RegOp> ops;
    RegParseError error;
    if (!ParseRegFile(file, &ops, &error)) {
        const auto units = static_cast<long>(size / 2);
        Check(error.line >= 1 && error.line <= units + 3 && !error.reason.empty());
        return 0;
    }
    Hive hive;
    Check(ApplyRegOps(hive, ops));  // whatever parsed applies whole
    const std::string written = FormatRegFile(hive);
    std::vector<RegOp> again;
    Check(ParseRegFile(written, &again, &error));
    Hive back;
    Check(ApplyRegOps(back, again));
    Check(back == hive);
    return 0;
}
