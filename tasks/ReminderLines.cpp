// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "tasks/ReminderLines.h"

#include "store/Text.h"

namespace tocklet {

std::array<std::string, kReminderLineCount> SplitReminderLines(std::string_view text) {
    std::array<std::string, kReminderLineCount> lines;
    std::size_t line = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t n = CharBytes(text, pos);
        if (lines[line].size() + n > kReminderLineBytes) {
            if (++line == lines.size()) break;
        }
        lines[line].append(text.substr(pos, n));
        pos += n;
    }
    return lines;
}

}  // namespace tocklet
