// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "tasks/TaskRecord.h"

#include <cstring>

#include "store/Text.h"

namespace tocklet {
namespace {

constexpr auto npos = std::string_view::npos;

std::string_view Before(std::string_view text, std::size_t pos) {
    return pos == npos ? text : text.substr(0, pos);
}

std::string_view After(std::string_view text, std::size_t pos) {
    return pos == npos ? std::string_view() : text.substr(pos + 1);
}

}  // namespace

std::string FormatTaskRecord(Action action, char schedule, int hour, int minute, int month, int day,
                             int weekday, std::string_view target) {
    std::string r = std::to_string(static_cast<int>(action));
    r += schedule;
    r += std::to_string(hour);
    r += ',';
    r += std::to_string(minute);
    r += '_';
    if (schedule == kScheduleDate) {
        r += std::to_string(month);
        r += '.';
        r += std::to_string(day);
    } else if (schedule == kScheduleWeekly) {
        r += std::to_string(weekday);
    }
    r += '|';
    r += target;
    return r;
}

ParsedTask ParseTaskRecord(std::string_view record) {
    ParsedTask out;
    TaskRecord& t = out.record;
    record = UpToZero(record);
    if (record.empty()) {
        t.nAction = -1;
        return out;
    }

    // The first two characters: action digit and schedule character. A two-byte character
    // in either place is neither.
    std::size_t pos = CharBytes(record, 0);
    t.nAction = (pos == 1 && record[0] >= '0' && record[0] <= '9') ? record[0] - '0' : -1;
    if (pos < record.size()) {
        std::size_t n = CharBytes(record, pos);
        if (n == 1) out.schedule = record[pos];
        pos += n;
    }

    // Time and date part: everything before the first vertical bar.
    const std::size_t bar = FindChar(record, '|', pos);
    const std::string_view head = bar == npos ? record.substr(pos) : record.substr(pos, bar - pos);
    const std::size_t comma = FindChar(head, ',');
    const std::size_t underscore = FindChar(head, '_', comma == npos ? 0 : comma + 1);
    t.nHour = AtoiLike(Before(head, comma));
    if (comma != npos) {
        const std::size_t minuteEnd = underscore == npos ? npos : underscore - comma - 1;
        t.nMinute = AtoiLike(Before(After(head, comma), minuteEnd));
    }
    const std::string_view datePart = After(head, underscore);
    if (out.schedule == kScheduleDate) {
        const std::size_t dot = FindChar(datePart, '.');
        t.nMonth = AtoiLike(Before(datePart, dot));
        t.nDay = AtoiLike(After(datePart, dot));
    } else if (out.schedule == kScheduleWeekly) {
        t.nWeekday = AtoiLike(datePart);
    }

    // Target: the rest, without further vertical bars, never cutting a two-byte character.
    if (bar != npos) {
        std::size_t len = 0;
        for (std::size_t p = bar + 1; p < record.size();) {
            const std::size_t n = CharBytes(record, p);
            if (!(n == 1 && record[p] == '|')) {
                if (len + n > kMaxRecordBytes) break;
                std::memcpy(t.szTarget + len, record.data() + p, n);
                len += n;
            }
            p += n;
        }
        t.szTarget[len] = '\0';
    }
    return out;
}

bool TaskCanFire(const ParsedTask& task) {
    return (task.record.nAction == kActionProgram || task.record.nAction == kActionMessage) &&
           (task.schedule == kScheduleDaily || task.schedule == kScheduleDate ||
            task.schedule == kScheduleWeekly);
}

bool IsStorableRecord(std::string_view record) {
    return record.size() <= kMaxRecordBytes && record.find('\0') == npos;
}

}  // namespace tocklet
