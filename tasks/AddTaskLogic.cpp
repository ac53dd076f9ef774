// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "tasks/AddTaskLogic.h"

#include <array>

#include "store/Text.h"
#include "tasks/TaskRecord.h"

namespace tocklet {
namespace {

constexpr std::string_view kBadDate =
    " 指定的日期不存在,请重新选择月份(1到12)和日子(该月中的某一天). ";
constexpr std::string_view kBadWeekday = " 请从列表中选择星期一到星期日中的一天. ";
constexpr std::string_view kNoProgram = " 请先按\"...\"按钮选择要执行的程序文件. ";

}  // namespace

std::optional<int> SmallNumber(std::string_view text) {
    if (text.empty() || text.size() > 2) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

const std::vector<std::string_view>& WeekdayEntries() {
    static const std::vector<std::string_view> entries{"星期一", "星期二", "星期三", "星期四",
                                                       "星期五", "星期六", "星期日"};
    return entries;
}

std::optional<int> WeekdayDigit(std::string_view gbText) {
    // The combo's texts are "星期" and one character; that character decides.
    const std::string_view text = CutAtCharBoundary(gbText, 9);
    if (text.size() < 6) return std::nullopt;
    const std::string_view third = text.substr(4, 2);
    static const std::array<std::pair<std::string, int>, 7> kDigits{{
        {Gb("日"), 1},
        {Gb("一"), 2},
        {Gb("二"), 3},
        {Gb("三"), 4},
        {Gb("四"), 5},
        {Gb("五"), 6},
        {Gb("六"), 7},
    }};
    // Only a whole two-byte character at bytes 4 and 5 counts, not the halves of two others.
    std::size_t pos = 0;
    while (pos < 4) pos += CharBytes(text, pos);
    if (pos != 4) return std::nullopt;
    for (const auto& [character, digit] : kDigits) {
        if (third == character) return digit;
    }
    return std::nullopt;
}

bool IsCalendarDate(int month, int day) {
    static constexpr std::array<int, 12> kDays{31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return false;
    return day >= 1 && day <= kDays[static_cast<std::size_t>(month - 1)];
}

BuiltTask BuildTaskRecord(const AddTaskChoices& choices) {
    const Action action = choices.action;
    const char schedule = choices.schedule == kScheduleDaily || choices.schedule == kScheduleDate
                              ? choices.schedule
                              : kScheduleWeekly;

    int month = 0;
    int day = 0;
    int weekday = 0;
    if (schedule == kScheduleDate) {
        const auto m = SmallNumber(choices.monthText);
        const auto d = SmallNumber(choices.dayText);
        // A date that never comes would make a task that never fires.
        if (!m || !d || !IsCalendarDate(*m, *d)) return {AddTaskProblem::BadDate, {}};
        month = *m;
        day = *d;
    } else if (schedule == kScheduleWeekly) {
        const auto w = WeekdayDigit(choices.weekdayText);
        if (!w) return {AddTaskProblem::BadWeekday, {}};
        weekday = *w;
    }
    if (action == kActionProgram && choices.programPath.empty())
        return {AddTaskProblem::NoProgram, {}};

    const std::string& target =
        action == kActionMessage ? choices.reminderText : choices.programPath;
    return {AddTaskProblem::None, FormatTaskRecord(action, schedule, choices.hour, choices.minute,
                                                   month, day, weekday, target)};
}

std::string_view ProblemText(AddTaskProblem problem) {
    switch (problem) {
        case AddTaskProblem::BadDate:
            return kBadDate;
        case AddTaskProblem::BadWeekday:
            return kBadWeekday;
        case AddTaskProblem::NoProgram:
            return kNoProgram;
        case AddTaskProblem::None:
            break;
    }
    return {};
}

std::optional<std::string_view> ReminderTextRefusal(std::string_view gbText) {
    if (gbText.size() > kMaxReminderBytes) return kTextTooLong;
    if (!FollowsTwoByteRule(gbText)) return kTextNotGb;
    for (std::size_t pos = 0; pos < gbText.size(); pos += CharBytes(gbText, pos)) {
        const auto c = static_cast<unsigned char>(gbText[pos]);
        if (c < 0x20 || c == 0x7F) return kTextNotGb;
    }
    return std::nullopt;
}

std::optional<std::string_view> ProgramPathRefusal(std::string_view gbPath) {
    if (!FollowsTwoByteRule(gbPath)) return kPathNotGb;
    if (FindChar(gbPath, '|') != std::string_view::npos) return kPathHasBar;
    return std::nullopt;
}

}  // namespace tocklet
