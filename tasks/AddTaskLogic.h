// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// What the add-task dialog decides without widgets: the weekday texts, the ranges and first
// positions of the hour and minute spins, and the record a set of choices stores. Which of its
// controls each radio enables is the dialog's own (tasks/ui/AddTaskEnabling.h).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/SpinRange.h"
#include "tasks/TaskRecord.h"

namespace tocklet {

/// The texts of the weekday combo, Monday first; each is "星期" and one more character.
[[nodiscard]] const std::vector<std::string_view>& WeekdayEntries();  // UTF-8

inline constexpr SpinRange kHourRange{0, 23};
inline constexpr SpinRange kMinuteRange{0, 59};
inline constexpr int kHourStart = 10;
inline constexpr int kMinuteStart = 30;

/// The weekday digit (1 = Sunday .. 7 = Saturday) of a weekday combo text in code page 936,
/// taken from its third two-byte character as the text reads within 9 bytes; nullopt when that
/// character is none of 日 一 二 三 四 五 六.
[[nodiscard]] std::optional<int> WeekdayDigit(std::string_view gbText);

/// True when month and day name a day that occurs in some year (29 February included).
[[nodiscard]] bool IsCalendarDate(int month, int day);

/// A number typed or chosen as text: one or two decimal digits, nothing else.
[[nodiscard]] std::optional<int> SmallNumber(std::string_view text);

/// Everything Save reads from the dialog.
struct AddTaskChoices {
    Action action = kActionProgram;   // a message only while its radio is checked
    char schedule = kScheduleWeekly;  // every day, a date, or (also with no choice) a weekday
    int hour = kHourStart;
    int minute = kMinuteStart;
    std::string monthText;    // code page 936, as the combo shows it
    std::string dayText;      // code page 936
    std::string weekdayText;  // code page 936
    std::string reminderText;
    std::string programPath;
};

/// Why a set of choices makes no task that could ever run.
enum class AddTaskProblem { None, BadDate, BadWeekday, NoProgram };

struct BuiltTask {
    AddTaskProblem problem = AddTaskProblem::None;
    std::string record;  // set when problem is None
};

/// The record Save stores, or why there is none.
[[nodiscard]] BuiltTask BuildTaskRecord(const AddTaskChoices& choices);

/// The message that explains a problem to the user (UTF-8).
[[nodiscard]] std::string_view ProblemText(AddTaskProblem problem);

/// Caption of the dialog's own messages (UTF-8).
inline constexpr std::string_view kAddTaskCaption = "守时鸟向您提示";

/// Messages about a chosen program file (UTF-8).
inline constexpr std::string_view kPathNotGb = " 这个文件的路径含有无法保存的字符,请选择其它文件. ";
inline constexpr std::string_view kPathHasBar =
    " 这个文件的路径含有字符\"|\",无法保存,请选择其它文件. ";

/// A program path that names no file (UTF-8); the dialog's file chooser offers only files that
/// exist, a path typed elsewhere may name none.
inline constexpr std::string_view kPathMissing = " 这个程序文件不存在,请选择其它文件. ";

/// Messages about a reminder text typed elsewhere than in the dialog, whose edit takes neither
/// (UTF-8).
inline constexpr std::string_view kTextTooLong = " 提醒内容太长(最多66个字节),请缩短提醒文字. ";
inline constexpr std::string_view kTextNotGb = " 提醒内容含有无法保存的字符,请修改提醒文字. ";

/// The message refusing a reminder text in code page 936 (nullopt: it can be stored): more
/// than kMaxReminderBytes bytes; the euro sign's lone byte or a control character, neither of
/// which the dialog's one-line edit lets in.
[[nodiscard]] std::optional<std::string_view> ReminderTextRefusal(std::string_view gbText);

/// The message refusing a chosen path in code page 936 (nullopt: the path can be stored). A
/// path may not hold "|", which separates the record's fields.
[[nodiscard]] std::optional<std::string_view> ProgramPathRefusal(std::string_view gbPath);

}  // namespace tocklet
