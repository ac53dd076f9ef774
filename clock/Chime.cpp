// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "clock/Chime.h"

#include "store/Text.h"

namespace tocklet {

std::string ChimeText(int hour) { return Gb("北京时间 ") + std::to_string(hour) + Gb("  点整 "); }

std::string ChimeCaption() { return Gb("整 点 提 醒"); }

std::string ChimeSwitchedOnText() {
    return Gb("    整点报时现在已经启动!\n     再次点击关闭此项功能.   ");
}

std::string ChimeSwitchedOffText() {
    return Gb("       整点报时现在被关闭!\n      再次点击打开此项功能.      ");
}

std::string ChimeSwitchCaption() { return Gb("守时鸟向您提示"); }

ChimeDecision ChimeActions(bool chimeOn, bool chimeSound, bool chimeText, const std::tm& now) {
    if (!chimeOn || now.tm_min != 0 || now.tm_sec != 0) return {};
    return {chimeSound, chimeText};
}

std::optional<std::int64_t> NextChimeSecond(bool chimeOn, bool chimeSound, bool chimeText,
                                            std::int64_t fromSecond, std::int64_t horizonSeconds,
                                            const LocalTimeOf& local) {
    if (!chimeOn || (!chimeSound && !chimeText)) return std::nullopt;
    // Local minutes begin on whole epoch minutes, so the minutes are looked at one by one.
    const std::int64_t end = fromSecond + horizonSeconds;
    const std::tm first = local(fromSecond);
    std::int64_t minute = fromSecond - first.tm_sec;
    if (first.tm_sec != 0) minute += 60;
    for (; minute < end; minute += 60) {
        if (local(minute).tm_min == 0) return minute;
    }
    return std::nullopt;
}

}  // namespace tocklet
