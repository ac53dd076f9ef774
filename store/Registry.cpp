// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "store/Registry.h"

#include <vector>

namespace tocklet {

std::string StoredString(std::string_view text, std::uint32_t count) {
    std::string out(text.substr(0, count));
    out.resize(count, '\0');
    return out;
}

RegStatus SetStringValue(Registry& reg, RegKey key, std::string_view name, std::string_view text,
                         std::uint32_t count) {
    std::string bytes = StoredString(text, count);
    return reg.SetValue(key, name, kRegSz, reinterpret_cast<const std::uint8_t*>(bytes.data()),
                        count);
}

std::string ReadStringValue(Registry& reg, RegKey key, std::string_view name,
                            std::uint32_t maxBytes, RegStatus* status) {
    std::vector<std::uint8_t> buf(maxBytes);
    std::uint32_t type = 0;
    std::uint32_t size = maxBytes;
    RegStatus st = reg.QueryValue(key, name, &type, buf.data(), &size);
    if (status) *status = st;
    if (st != kRegOk) return {};
    std::string_view bytes(reinterpret_cast<const char*>(buf.data()), size);
    auto z = bytes.find('\0');
    return std::string(z == std::string_view::npos ? bytes : bytes.substr(0, z));
}

}  // namespace tocklet
