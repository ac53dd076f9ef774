// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// Feeds arbitrary INI text and an arbitrary entry to the INI reader and writer. Reading never
// leaves the text; an entry the writer accepts reads back as written, and so does the text
// after writing it again.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "store/IniProfile.h"
#include "store/Text.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

// What a lookup gives for a value written as it is: blanks and one pair of quotes go.
std::string AsRead(std::string_view value) {
    std::string_view v = tocklet::Trim(value);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
        v = v.substr(1, v.size() - 2);
    }
    return std::string(v);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tocklet;
    FuzzedDataProvider in(data, size);
    const std::string section = in.ConsumeRandomLengthString(24);
    const std::string key = in.ConsumeRandomLengthString(24);
    const std::string value = in.ConsumeRandomLengthString(40);
    const std::string text = in.ConsumeRemainingBytesAsString();

    if (const auto found = IniLookup(text, section, key)) {
        Check(found->size() <= text.size());
        (void)ProfileInt(std::string_view(*found), 0);
    }
    if (!IsWritableProfileEntry(section, key, value)) return 0;

    const std::string once = IniSet(text, section, key, value);
    const auto back = IniLookup(once, section, key);
    Check(back.has_value() && *back == AsRead(value));
    const std::string twice = IniSet(once, section, key, value);
    Check(IniLookup(twice, section, key) == back);
    // The blanks after "=" are the line's own and stay, so only a value that starts without
    // one is written back byte for byte.
    if (value.empty() || !IsBlank(value.front())) Check(twice == once);
    return 0;
}
