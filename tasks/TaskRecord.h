// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// One task as stored: "<action><schedule><hour>,<minute>_<date part>|<target>", at most 99 bytes.

#include <string>
#include <string_view>

#include "settings/SettingsTable.h"

namespace tocklet {

inline constexpr std::size_t kMaxRecordBytes = kTaskValueBytes - 1;
inline constexpr std::size_t kMaxReminderBytes = 66;

/// What a task does: its action character read as a number.
enum Action : int { kActionProgram = 0, kActionMessage = 1 };

inline constexpr char kScheduleDaily = '1';
inline constexpr char kScheduleDate = '2';
inline constexpr char kScheduleWeekly = '3';

/// One parsed task.
struct TaskRecord {
    int nAction = 0;   ///< kActionMessage or kActionProgram (-1 or another digit: never fires)
    int nMonth = 0;    ///< 1..12, date tasks only
    int nDay = 0;      ///< 1..31, date tasks only
    int nWeekday = 0;  ///< 1 = Sunday .. 7 = Saturday, weekly tasks only
    int nHour = 0;
    int nMinute = 0;
    char szTarget[kTaskValueBytes] = {};  ///< reminder text or program path, zero-terminated

    [[nodiscard]] std::string_view Target() const { return szTarget; }
};

/// A record's schedule character and its parsed fields.
struct ParsedTask {
    char schedule = 0;
    TaskRecord record;
};

/// The record string of one task; numbers without leading zeros, the date part by schedule.
[[nodiscard]] std::string FormatTaskRecord(Action action, char schedule, int hour, int minute,
                                           int month, int day, int weekday,
                                           std::string_view target);

/// Parses a record string; knows two-byte characters, so their second bytes never act as
/// separators. An action character that is not a digit gives nAction -1.
[[nodiscard]] ParsedTask ParseTaskRecord(std::string_view record);

/// True for a task that can ever fire: action 0 or 1 and schedule "1", "2" or "3".
[[nodiscard]] bool TaskCanFire(const ParsedTask& task);

/// True when the record fits a task value with its terminator and holds no zero byte.
[[nodiscard]] bool IsStorableRecord(std::string_view record);

}  // namespace tocklet
