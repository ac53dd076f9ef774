#include "tasks/TaskStore.h"

#include <algorithm>

#include "platform/Text.h"

namespace tocklet {
namespace {

constexpr std::string_view kSaveFailed = "  保存数据失败!  ";
constexpr std::string_view kSetFailed = "Fail to set value";
constexpr std::string_view kSaved = "您的数据已经被成功地保存了\n";
constexpr std::string_view kNoticeCaption = "守时鸟向您提示";
constexpr std::string_view kListFull =
    " 任务已满(最多20个),无法保存新任务!\n 请先删除废弃任务,再添加新任务. ";
constexpr std::string_view kRecordTooLong =
    " 任务数据太长(最多99个字节),无法保存!\n 请缩短提醒文字或程序路径. ";

}  // namespace

void TaskStore::Say(std::string_view utf8) { boxes_.Show(Gb(utf8)); }

void TaskStore::LoadTasks(int taskCount) {
    m_nDailyCount = m_nDateCount = m_nWeeklyCount = 0;
    for (auto& r : m_strTaskRecords) r.clear();
    for (auto& r : loaded_) r.clear();
    appended_.clear();
    // The store holds kMaxTasks records; value numbers above that are never loaded.
    m_nTaskCount = std::clamp(taskCount, 0, kMaxTasks);

    ScopedKey key(reg_);
    if (reg_.OpenKey(RegRoot::LocalMachine, kProgramKeyRead, kKeyRead, key.Out()) != kRegOk) {
        return;
    }
    for (int v = 1; v <= m_nTaskCount; ++v) {
        std::string text = ReadStringValue(reg_, key.Get(), std::to_string(v), kTaskValueBytes);
        if (text.empty()) continue;
        const ParsedTask parsed = ParseTaskRecord(text);
        loaded_[static_cast<std::size_t>(v - 1)] = text;
        m_strTaskRecords[static_cast<std::size_t>(v - 1)] = std::move(text);
        switch (parsed.schedule) {
            case kScheduleDaily:
                dailyNumbers_[static_cast<std::size_t>(m_nDailyCount)] = v;
                m_dailyTasks[static_cast<std::size_t>(m_nDailyCount++)] = parsed.record;
                break;
            case kScheduleDate:
                dateNumbers_[static_cast<std::size_t>(m_nDateCount)] = v;
                m_dateTasks[static_cast<std::size_t>(m_nDateCount++)] = parsed.record;
                break;
            case kScheduleWeekly:
                weeklyNumbers_[static_cast<std::size_t>(m_nWeeklyCount)] = v;
                m_weeklyTasks[static_cast<std::size_t>(m_nWeeklyCount++)] = parsed.record;
                break;
            default:
                break;  // kept as a record so rewrites preserve it, but never fires
        }
    }
}

int TaskStore::AppendTask(std::string_view record, int count) {
    // The list holds kMaxTasks tasks and "happen" two digits; a record needs its terminator
    // inside the 100-byte value. Refuse rather than store something that cannot load whole.
    if (count >= kMaxTasks) {
        boxes_.Show(Gb(kListFull), Gb(kNoticeCaption));
        return count;
    }
    if (!IsStorableRecord(record)) {
        boxes_.Show(Gb(kRecordTooLong), Gb(kNoticeCaption));
        return count;
    }

    ScopedKey key(reg_);
    const bool open =
        reg_.OpenKey(RegRoot::LocalMachine, kProgramKeyWrite, kKeyWrite, key.Out()) == kRegOk;
    if (!open) Say(kSaveFailed);
    const int next = count + 1;
    const RegStatus st =
        open ? SetStringValue(reg_, key.Get(), std::to_string(next), record, kTaskValueBytes)
             : kRegInvalidHandle;
    if (st != kRegOk) {
        // The count stays: counting a value that was not written would bring back whatever
        // an earlier deletion left under that number.
        Say(kSetFailed);
        return count;
    }
    boxes_.Show(Gb(kSaved), Gb(kNoticeCaption));
    // A failed "happen" is repaired by the settings save that precedes the restart.
    SetStringValue(reg_, key.Get(), kTaskCountValue, std::to_string(next), kTaskCountBytes);
    appended_.emplace_back(record);
    return next;
}

void TaskStore::RewriteTasks(int tasksAdded) {
    ScopedKey key(reg_);
    if (reg_.OpenKey(RegRoot::LocalMachine, kProgramKeyWrite, kKeyWrite, key.Out()) != kRegOk) {
        Say(kSaveFailed);
        return;
    }
    bool failed = false;
    auto write = [&](int v, std::string_view record) {
        failed |=
            SetStringValue(reg_, key.Get(), std::to_string(v), record, kTaskValueBytes) != kRegOk;
    };
    for (int v = 1; v <= m_nTaskCount; ++v) {
        write(v, m_strTaskRecords[static_cast<std::size_t>(v - 1)]);
    }
    // Tasks appended since the load follow the (possibly shorter) loaded list.
    const int extra = std::min(std::max(tasksAdded, 0), static_cast<int>(appended_.size()));
    for (int i = 0; i < extra; ++i) {
        write(m_nTaskCount + 1 + i, appended_[static_cast<std::size_t>(i)]);
    }
    // "happen" may already count the new list; a value left stale must not pass unnoticed.
    if (failed) Say(kSetFailed);
}

bool TaskStore::DeleteTask(int valueNumber) {
    if (valueNumber < 1 || valueNumber > m_nTaskCount) return false;
    auto& slot = m_strTaskRecords[static_cast<std::size_t>(valueNumber - 1)];
    // A second deletion in the same run must not hit a record an earlier one moved here.
    if (slot.empty() || slot != loaded_[static_cast<std::size_t>(valueNumber - 1)]) return false;

    // Move the record of the highest value number that holds one; an empty value moved into
    // the gap would keep a hole instead of the last task.
    int last = m_nTaskCount;
    while (last > valueNumber && m_strTaskRecords[static_cast<std::size_t>(last - 1)].empty()) {
        --last;
    }
    if (last > valueNumber) {
        slot = std::move(m_strTaskRecords[static_cast<std::size_t>(last - 1)]);
        m_strTaskRecords[static_cast<std::size_t>(last - 1)].clear();
    } else {
        slot.clear();
    }
    while (m_nTaskCount > 0 &&
           m_strTaskRecords[static_cast<std::size_t>(m_nTaskCount - 1)].empty()) {
        --m_nTaskCount;
    }
    return true;
}

int TaskStore::ValueNumberOf(char schedule, int index) const {
    if (index < 0) return 0;
    const auto i = static_cast<std::size_t>(index);
    switch (schedule) {
        case kScheduleDaily:
            return index < m_nDailyCount ? dailyNumbers_[i] : 0;
        case kScheduleDate:
            return index < m_nDateCount ? dateNumbers_[i] : 0;
        case kScheduleWeekly:
            return index < m_nWeeklyCount ? weeklyNumbers_[i] : 0;
        default:
            return 0;
    }
}

std::vector<TaskRow> TaskStore::DeleteRows() const {
    std::vector<TaskRow> rows;
    auto add = [&](char schedule, const std::array<TaskRecord, kMaxTasks>& table, int n) {
        for (int k = 0; k < n; ++k) {
            rows.push_back({ValueNumberOf(schedule, k),
                            std::string(table[static_cast<std::size_t>(k)].Target())});
        }
    };
    add(kScheduleDaily, m_dailyTasks, m_nDailyCount);
    add(kScheduleDate, m_dateTasks, m_nDateCount);
    add(kScheduleWeekly, m_weeklyTasks, m_nWeeklyCount);
    return rows;
}

}  // namespace tocklet
