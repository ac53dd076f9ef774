// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// An in-memory INI profile: section and key names compare case-insensitively, reads follow
// the real profile's rules, writes are recorded in order and can be made to fail.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "store/IniProfile.h"

namespace tocklet::testing {

class FakeProfile final : public Profile {
public:
    struct Write {
        std::string section;
        std::string key;
        std::string value;
    };

    /// Set-up: stores a value without recording a write.
    void Put(std::string_view section, std::string_view key, std::string_view value) {
        values_[Fold(section, key)] = std::string(value);
    }
    /// The stored value, or nullopt when there is none.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const {
        auto it = values_.find(Fold(section, key));
        if (it == values_.end()) return std::nullopt;
        return it->second;
    }

    /// Every write fails from now on.
    bool failAllWrites = false;
    /// Writes of this section/key fail.
    void FailWrite(std::string_view section, std::string_view key) {
        failing_.insert(Fold(section, key));
    }

    std::vector<Write> writes;  ///< successful writes in order

    int GetInt(std::string_view section, std::string_view key, int defaultValue) override {
        auto v = Get(section, key);
        return ProfileInt(v ? std::optional<std::string_view>(*v) : std::nullopt, defaultValue);
    }

    bool WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override {
        if (failAllWrites || failing_.count(Fold(section, key)) != 0) return false;
        if (!IsWritableProfileEntry(section, key, value)) return false;
        values_[Fold(section, key)] = std::string(value);
        writes.push_back({std::string(section), std::string(key), std::string(value)});
        return true;
    }

private:
    static std::string Lower(std::string_view s) {
        std::string out(s);
        for (char& c : out) {
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        }
        return out;
    }
    static std::pair<std::string, std::string> Fold(std::string_view section,
                                                    std::string_view key) {
        return {Lower(section), Lower(key)};
    }

    std::map<std::pair<std::string, std::string>, std::string> values_;
    std::set<std::pair<std::string, std::string>> failing_;
};

}  // namespace tocklet::testing
