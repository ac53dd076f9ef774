// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// Feeds arbitrary bytes to the REGEDIT4 reader. Whatever it accepts must write out and read
// back to the same hive; whatever it refuses must name a line of the input and a reason.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "store/RegFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tocklet;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<RegOp> ops;
    RegParseError error;
    if (!ParseRegFile(text, &ops, &error)) {
        auto lines = std::count(text.begin(), text.end(), '\n') + 1;
        if (error.line < 1 || error.line > lines || error.reason.empty()) std::abort();
        return 0;
    }
    Hive hive;
    // Whatever parsed applies whole.
    if (!ApplyRegOps(hive, ops)) std::abort();
    std::string written = FormatRegFile(hive);

    std::vector<RegOp> again;
    if (!ParseRegFile(written, &again, &error)) std::abort();
    Hive back;
    if (!ApplyRegOps(back, again)) std::abort();
    if (!(back == hive)) std::abort();
    if (FormatRegFile(back) != written) std::abort();
    return 0;
}
