// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "tasks/FileFilter.h"

#include "store/Text.h"

namespace tocklet {

std::vector<FileFilter> SplitFileFilter(std::string_view filter) {
    std::vector<FileFilter> out;
    std::size_t pos = 0;
    auto next = [&]() -> std::string_view {
        const std::size_t bar = filter.find('|', pos);
        const std::string_view part =
            filter.substr(pos, bar == std::string_view::npos ? std::string_view::npos : bar - pos);
        pos = bar == std::string_view::npos ? filter.size() : bar + 1;
        return part;
    };
    while (pos < filter.size()) {
        const std::string_view caption = next();
        if (caption.empty()) break;
        FileFilter entry{std::string(caption), {}};
        std::string_view patterns = next();
        while (!patterns.empty()) {
            const std::size_t semi = patterns.find(';');
            const std::string_view one = Trim(patterns.substr(0, semi));
            if (!one.empty()) entry.patterns.emplace_back(one);
            patterns =
                semi == std::string_view::npos ? std::string_view() : patterns.substr(semi + 1);
        }
        out.push_back(std::move(entry));
    }
    return out;
}

FilterKind KindOfFilter(const FileFilter& filter) {
    bool programs = !filter.patterns.empty();
    for (const std::string& p : filter.patterns) {
        if (p == "*.*" || p == "*") return FilterKind::Everything;
        std::string lower = p;
        for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        programs = programs && lower == "*.exe";
    }
    return programs ? FilterKind::Programs : FilterKind::Patterns;
}

}  // namespace tocklet
