// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "tasks/ProgramPath.h"

#include "store/Text.h"

namespace tocklet {
namespace {

constexpr std::size_t kFirstSplitPosition = 2;

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

}  // namespace

ProgramPath SplitProgramPath(std::string_view path) {
    std::size_t last = std::string_view::npos;
    for (std::size_t pos = 0; pos < path.size(); pos += CharBytes(path, pos)) {
        if (CharBytes(path, pos) == 1 && IsSeparator(path[pos])) last = pos;
    }
    if (last == std::string_view::npos) return {"", std::string(path)};
    if (last >= kFirstSplitPosition) {
        return {std::string(path.substr(0, last)), std::string(path.substr(last + 1))};
    }
    // Only separators in the first two bytes: "/x" names x in the root folder; the text before
    // the separator would be empty, which means the current directory instead.
    if (path.front() == '/') return {"/", std::string(path.substr(last + 1))};
    return {"", std::string(path)};
}

}  // namespace tocklet
