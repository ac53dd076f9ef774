// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "tasks/TaskStore.h"

#include <algorithm>

#include "settings/SettingsStore.h"

namespace tocklet {
namespace {

using Step = SettingsFailure::Step;

std::size_t Index(int valueNumber) { return static_cast<std::size_t>(valueNumber - 1); }

}  // namespace

const TaskTable* ScheduleTables::Of(char schedule) const {
    switch (schedule) {
        case kScheduleDaily:
            return &m_dailyTasks;
        case kScheduleDate:
            return &m_dateTasks;
        case kScheduleWeekly:
            return &m_weeklyTasks;
        default:
            return nullptr;
    }
}

bool TaskStore::LoadTasks(int taskCount) {
    m_tables = ScheduleTables{};
    for (auto& r : m_strTaskRecords) r.clear();
    for (auto& r : loaded_) r.clear();
    appended_.clear();
    // The store holds kMaxTasks records; value numbers above that are never loaded.
    m_nTaskCount = std::clamp(taskCount, 0, kMaxTasks);

    ScopedKey key(reg_);
    if (!OpenForReading(reg_, Setting::TaskValue, key)) return false;
    for (int v = 1; v <= m_nTaskCount; ++v) {
        std::string text =
            ReadStoredValue(reg_, key.Get(), Setting::TaskValue, nullptr, std::to_string(v));
        if (text.empty()) continue;
        const ParsedTask parsed = ParseTaskRecord(text);
        loaded_[Index(v)] = text;
        m_strTaskRecords[Index(v)] = std::move(text);
        // A record of no schedule stays a record, so rewrites preserve it, but never fires.
        if (TaskTable* table = m_tables.Of(parsed.schedule)) {
            const auto k = static_cast<std::size_t>(table->count++);
            table->valueNumbers[k] = v;
            table->tasks[k] = parsed.record;
        }
    }
    return true;
}

AppendResult TaskStore::AppendTask(std::string_view record, int count) {
    // Tasks another program (tocklet-reg, an import) added since count was read stand after
    // it: appending after them keeps them rather than writing over the first of them.
    count = std::max(count, SettingsStore(reg_).ReadTaskCount());
    AppendResult result;
    result.count = count;
    // The list holds kMaxTasks tasks and "happen" two digits; a record needs its terminator
    // inside the 100-byte value. Refuse rather than store something that cannot load whole.
    if (count >= kMaxTasks) {
        result.outcome = AppendResult::Outcome::ListFull;
        return result;
    }
    if (!IsStorableRecord(record)) {
        result.outcome = AppendResult::Outcome::RecordTooLong;
        return result;
    }
    const int next = count + 1;
    const std::string name = std::to_string(next);
    result.report = WriteStoredValues(reg_, {{Setting::TaskValue, record, name}});
    // The count stays when the value was not written: counting it would bring back whatever
    // an earlier deletion left under that number.
    if (!result.report.Ok()) return result;
    // A failed "happen" is repaired by the settings save that precedes the restart.
    result.report = WriteStoredValues(reg_, {{Setting::TaskCount, name}});
    result.outcome = AppendResult::Outcome::Stored;
    result.count = next;
    appended_.emplace_back(record);
    return result;
}

SettingsReport TaskStore::RewriteTasks(int tasksAdded) {
    // Tasks appended since the load follow the (possibly shorter) loaded list.
    const int extra = std::min(std::max(tasksAdded, 0), static_cast<int>(appended_.size()));
    std::vector<std::string> names;
    for (int v = 1; v <= m_nTaskCount + extra; ++v) names.push_back(std::to_string(v));
    std::vector<SettingText> values;
    for (int v = 1; v <= m_nTaskCount; ++v) {
        values.push_back({Setting::TaskValue, m_strTaskRecords[Index(v)], names[Index(v)]});
    }
    for (int i = 0; i < extra; ++i) {
        values.push_back({Setting::TaskValue, appended_[static_cast<std::size_t>(i)],
                          names[Index(m_nTaskCount + 1 + i)]});
    }
    return WriteStoredValues(reg_, Setting::TaskValue, values);
}

bool TaskStore::DeleteTask(int valueNumber) {
    if (valueNumber < 1 || valueNumber > m_nTaskCount) return false;
    auto& slot = m_strTaskRecords[Index(valueNumber)];
    // A second deletion in the same run must not hit a record an earlier one moved here.
    if (slot.empty() || slot != loaded_[Index(valueNumber)]) return false;

    // Move the record of the highest value number that holds one; an empty value moved into
    // the gap would keep a hole instead of the last task.
    int last = m_nTaskCount;
    while (last > valueNumber && m_strTaskRecords[Index(last)].empty()) --last;
    if (last > valueNumber) {
        slot = std::move(m_strTaskRecords[Index(last)]);
        m_strTaskRecords[Index(last)].clear();
    } else {
        slot.clear();
    }
    while (m_nTaskCount > 0 && m_strTaskRecords[Index(m_nTaskCount)].empty()) --m_nTaskCount;
    return true;
}

int TaskStore::ValueNumberOf(char schedule, int index) const {
    const TaskTable* table = m_tables.Of(schedule);
    if (table == nullptr || index < 0 || index >= table->count) return 0;
    return table->valueNumbers[static_cast<std::size_t>(index)];
}

std::vector<TaskRow> TaskStore::DeleteRows() const {
    std::vector<TaskRow> rows;
    for (char schedule : {kScheduleDaily, kScheduleDate, kScheduleWeekly}) {
        const TaskTable& table = *m_tables.Of(schedule);
        for (int k = 0; k < table.count; ++k) {
            const auto i = static_cast<std::size_t>(k);
            rows.push_back({table.valueNumbers[i], std::string(table.tasks[i].Target())});
        }
    }
    return rows;
}

std::string_view TaskStore::Record(int valueNumber) const {
    if (valueNumber < 1 || valueNumber > kMaxTasks) return {};
    return m_strTaskRecords[Index(valueNumber)];
}

}  // namespace tocklet
