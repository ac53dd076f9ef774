#pragma once
// The task list in the program's registry key: value "1" to "N" hold one record string each
// (100 bytes with zero padding), "happen" holds N (3 bytes). Loaded once into per-schedule
// tables; every change goes to the registry and reaches the tables after a restart.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/MessageBox.h"
#include "platform/Registry.h"
#include "tasks/TaskRecord.h"

namespace tocklet {

/// The program's key; reads and writes spell it differently, and the registry ignores case.
inline constexpr std::string_view kProgramKeyRead = "Software\\Microsoft\\Windows\\tocklet";
inline constexpr std::string_view kProgramKeyWrite = "SoftWare\\Microsoft\\Windows\\tocklet";

inline constexpr std::string_view kTaskCountValue = "happen";
inline constexpr std::uint32_t kTaskCountBytes = 3;

/// Read buffer for the small numeric settings values ("happen", flags, counts).
inline constexpr std::uint32_t kNumberReadBytes = 16;

/// One row of the delete list: a loaded task's target and the value number it is stored under.
struct TaskRow {
    int valueNumber = 0;
    std::string text;
};

class TaskStore {
public:
    TaskStore(Registry& reg, MessageBoxes& boxes) : reg_(reg), boxes_(boxes) {}
    TaskStore(const TaskStore&) = delete;
    TaskStore& operator=(const TaskStore&) = delete;

    /// Reads values 1 to taskCount (at most kMaxTasks; a negative count counts as 0) into the
    /// records and tables. Missing, empty or unreadable values are skipped without a message.
    void LoadTasks(int taskCount);

    /// Stores record as value count + 1 and "happen" = count + 1; returns the new count, or
    /// count unchanged when nothing was stored (list full, record too long, or the write
    /// failed); every outcome is reported in a message box.
    int AppendTask(std::string_view record, int count);

    /// Writes values 1 to m_nTaskCount from the records, followed by the tasks appended since
    /// the load (up to tasksAdded of them), so that the list matches "happen" = m_nTaskCount +
    /// tasksAdded.
    void RewriteTasks(int tasksAdded);

    /// Removes the task loaded from value number v: the record of the highest value number
    /// that holds one moves into v, and the count drops past the empty values at its end.
    /// False (nothing changes) when v no longer holds the task loaded from it.
    bool DeleteTask(int valueNumber);

    /// The value number of the index-th (from 0) loaded task with that schedule; 0 if none.
    int ValueNumberOf(char schedule, int index) const;

    /// The delete list: every loaded task of the three tables (every day, date, weekly), each
    /// group in table order.
    std::vector<TaskRow> DeleteRows() const;

    int m_nTaskCount = 0;
    std::array<std::string, kMaxTasks> m_strTaskRecords;
    std::array<TaskRecord, kMaxTasks> m_dailyTasks{};
    int m_nDailyCount = 0;
    std::array<TaskRecord, kMaxTasks> m_dateTasks{};
    int m_nDateCount = 0;
    std::array<TaskRecord, kMaxTasks> m_weeklyTasks{};
    int m_nWeeklyCount = 0;

private:
    void Say(std::string_view utf8);

    Registry& reg_;
    MessageBoxes& boxes_;
    std::array<int, kMaxTasks> dailyNumbers_{};
    std::array<int, kMaxTasks> dateNumbers_{};
    std::array<int, kMaxTasks> weeklyNumbers_{};
    std::array<std::string, kMaxTasks> loaded_;  // the records as loaded
    std::vector<std::string> appended_;          // records stored by AppendTask since the load
};

}  // namespace tocklet
