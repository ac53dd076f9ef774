// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "settings/ShutdownTime.h"

#include "store/Text.h"

namespace tocklet {

ShutdownTime SplitShutdownTime(std::string_view text) {
    const std::size_t c1 = text.find(':');
    const std::size_t c2 = c1 == std::string_view::npos ? c1 : text.find(':', c1 + 1);
    ShutdownTime time;
    time.m_nHour = AtoiLike(text.substr(0, c1));
    time.m_nMinute = c1 == std::string_view::npos ? 0 : AtoiLike(text.substr(c1 + 1));
    time.m_nSecond = c2 == std::string_view::npos ? 0 : AtoiLike(text.substr(c2 + 1));
    return time;
}

std::string FormatShutdownTime(const ShutdownTime& time) {
    return std::to_string(time.m_nHour) + ":" + std::to_string(time.m_nMinute) + ":" +
           std::to_string(time.m_nSecond);
}

}  // namespace tocklet
