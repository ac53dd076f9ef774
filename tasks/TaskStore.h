// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The task list in the program's registry key: value "1" to "N" hold one record string each
// (100 bytes with zero padding), "happen" holds N (3 bytes). Loaded once into per-schedule
// tables; every change goes to the registry and reaches the tables after a restart. The store
// reports what happened; the dialogs and the panel tell the user.

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/SettingsTable.h"
#include "store/Registry.h"
#include "tasks/TaskDue.h"
#include "tasks/TaskRecord.h"

namespace tocklet {

/// One row of the delete list: a loaded task's target and the value number it is stored under.
struct TaskRow {
    int valueNumber = 0;
    std::string text;
};

/// One schedule's loaded tasks in value-number order, each with the value number it came from.
struct TaskTable {
    std::array<TaskRecord, kMaxTasks> tasks{};
    std::array<int, kMaxTasks> valueNumbers{};
    int count = 0;

    [[nodiscard]] std::span<const TaskRecord> Loaded() const {
        return {tasks.data(), static_cast<std::size_t>(count)};
    }
};

/// The three tables of the loaded list.
struct ScheduleTables {
    TaskTable m_dailyTasks;
    TaskTable m_dateTasks;
    TaskTable m_weeklyTasks;

    /// The tables as the task check examines them.
    [[nodiscard]] TaskTables View() const {
        return {m_dailyTasks.Loaded(), m_dateTasks.Loaded(), m_weeklyTasks.Loaded()};
    }
    /// The table of a schedule character; nullptr for any other character.
    [[nodiscard]] const TaskTable* Of(char schedule) const;
    [[nodiscard]] TaskTable* Of(char schedule) {
        return const_cast<TaskTable*>(std::as_const(*this).Of(schedule));
    }
};

/// What AppendTask did.
struct [[nodiscard]] AppendResult {
    enum class Outcome {
        Stored,         ///< the value and the count were written
        ListFull,       ///< refused: the list holds kMaxTasks tasks
        RecordTooLong,  ///< refused: the record does not fit a task value
        NotStored,      ///< the key or the value could not be written
    };
    Outcome outcome = Outcome::NotStored;
    int count = 0;          ///< the count after: one more when the task was stored
    SettingsReport report;  ///< the key, the task value and "happen"
};

class TaskStore {
public:
    explicit TaskStore(Registry& reg) : reg_(reg) {}
    TaskStore(const TaskStore&) = delete;
    TaskStore& operator=(const TaskStore&) = delete;

    /// Reads values 1 to taskCount (at most kMaxTasks; a negative count counts as 0) into the
    /// records and tables. Missing, empty or unreadable values are skipped. False when the key
    /// could not be opened (nothing is loaded then).
    [[nodiscard]] bool LoadTasks(int taskCount);

    /// Stores record as value count + 1 and "happen" = count + 1, unless the list is full or
    /// the record too long. The count grows only when the value was written.
    [[nodiscard]] AppendResult AppendTask(std::string_view record, int count);

    /// Writes values 1 to TaskCount() from the records, followed by the tasks appended since
    /// the load (up to tasksAdded of them), so that the list matches "happen" = TaskCount() +
    /// tasksAdded. Reports the key and each value that could not be written.
    [[nodiscard]] SettingsReport RewriteTasks(int tasksAdded);

    /// Removes the task loaded from value number v: the record of the highest value number
    /// that holds one moves into v, and the count drops past the empty values at its end.
    /// False (nothing changes) when v no longer holds the task loaded from it.
    [[nodiscard]] bool DeleteTask(int valueNumber);

    /// The value number of the index-th (from 0) loaded task with that schedule; 0 if none.
    [[nodiscard]] int ValueNumberOf(char schedule, int index) const;

    /// The delete list: every loaded task of the three tables (every day, date, weekly), each
    /// group in table order.
    [[nodiscard]] std::vector<TaskRow> DeleteRows() const;

    /// The task count N: value numbers 1 to N are the list.
    [[nodiscard]] int TaskCount() const { return m_nTaskCount; }
    /// The record string of value number v (1..TaskCount()) as it stands now; empty when that
    /// value was missing, empty, or its task was deleted.
    [[nodiscard]] std::string_view Record(int valueNumber) const;
    /// The loaded tables; they never change while the program runs.
    [[nodiscard]] const ScheduleTables& Tables() const { return m_tables; }

private:
    Registry& reg_;
    int m_nTaskCount = 0;
    std::array<std::string, kMaxTasks> m_strTaskRecords;
    ScheduleTables m_tables;
    std::array<std::string, kMaxTasks> loaded_;  // the records as loaded
    std::vector<std::string> appended_;          // records stored by AppendTask since the load
};

}  // namespace tocklet
