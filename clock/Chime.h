// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The hourly chime: its texts (code page 936 bytes) and what a one-second tick does for it.

#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tocklet {

/// The wave file the chime plays.
inline constexpr std::string_view kChimeSound = "clock.wav";

/// "北京时间 " + hour without leading zero + "  点整 ".
[[nodiscard]] std::string ChimeText(int hour);

/// Caption of the full-hour message: "整 点 提 醒".
[[nodiscard]] std::string ChimeCaption();

/// Message shown when the chime has just been switched on from a menu or the toolbar.
[[nodiscard]] std::string ChimeSwitchedOnText();

/// Message shown when the chime has just been switched off from a menu or the toolbar.
[[nodiscard]] std::string ChimeSwitchedOffText();

/// Caption of the two switch messages: "守时鸟向您提示".
[[nodiscard]] std::string ChimeSwitchCaption();

/// What the chime does in one tick; the sound starts before the message opens.
struct ChimeDecision {
    bool playSound = false;
    bool showText = false;
};

/// At second 0 of minute 0 of any hour, with the chime on: the sound if chimeSound, the
/// message if chimeText; otherwise nothing.
[[nodiscard]] ChimeDecision ChimeActions(bool chimeOn, bool chimeSound, bool chimeText,
                                         const std::tm& now);

}  // namespace tocklet

namespace tocklet {

/// The local time of a second since the epoch.
using LocalTimeOf = std::function<std::tm(std::int64_t)>;

/// The first second from fromSecond on, and before fromSecond + horizonSeconds, at which the
/// chime does something: the next full hour while it is on with its sound or its message;
/// none otherwise.
[[nodiscard]] std::optional<std::int64_t> NextChimeSecond(bool chimeOn, bool chimeSound,
                                                          bool chimeText, std::int64_t fromSecond,
                                                          std::int64_t horizonSeconds,
                                                          const LocalTimeOf& local);

}  // namespace tocklet
