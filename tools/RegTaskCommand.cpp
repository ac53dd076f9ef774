// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "tools/RegTaskCommand.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <span>

#include "protection/PasswordRules.h"
#include "settings/SettingsTable.h"
#include "store/Text.h"
#include "tasks/TaskRecord.h"
#include "tasks/TaskStore.h"
#include "tasks/TaskTexts.h"
#include "tools/RegTaskAdd.h"

namespace tocklet {
namespace {

constexpr std::array<std::string_view, 7> kWeekdayNames{
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

std::string Padded(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

std::string TwoDigits(int n) {
    std::array<char, 16> buf{};
    std::snprintf(buf.data(), buf.size(), "%02d", n);
    return buf.data();
}

std::string KindText(int action) {
    if (action == kActionMessage) return "message";
    if (action == kActionProgram) return "program";
    return "unknown";
}

std::string ScheduleText(const ParsedTask& p) {
    const TaskRecord& t = p.record;
    switch (p.schedule) {
        case kScheduleDaily:
            return "every day";
        case kScheduleDate:
            return "every " + TwoDigits(t.nMonth) + "-" + TwoDigits(t.nDay);
        case kScheduleWeekly:
            if (t.nWeekday >= 1 && t.nWeekday <= 7)
                return "every " +
                       std::string(kWeekdayNames[static_cast<std::size_t>(t.nWeekday - 1)]);
            break;
        default:
            break;
    }
    return "unknown";
}

// One line per task: tabs and line breaks inside a target would break the columns.
std::string OneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
    return text;
}

// Loads the stored task list into store, or says why it cannot.
[[nodiscard]] bool LoadOrSay(Registry& reg, TaskStore& store, std::ostream& err) {
    const std::optional<int> count = ReadTaskCountOrSay(reg, err);
    if (!count) return false;
    if (store.LoadTasks(*count)) return true;
    Say(err, "cannot read the task list");
    return false;
}

[[nodiscard]] int List(Registry& reg, std::ostream& out, std::ostream& err) {
    TaskStore store(reg);
    if (!LoadOrSay(reg, store, err)) return kTaskFailed;
    for (int v = 1; v <= store.TaskCount(); ++v) out << TaskListLine(v, store.Record(v)) << '\n';
    return kTaskDone;
}

// The number of a task as `list` shows it: 1 to 20.
[[nodiscard]] std::optional<int> TaskNumber(std::string_view text) {
    if (text.empty() || text.size() > 2) return std::nullopt;
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (n < 1 || n > kMaxTasks) return std::nullopt;
    return n;
}

struct Protection {
    bool on = false;
    std::string password;  // code page 936
};

// Protection as the program reads it at start: a value that cannot be read counts as off.
[[nodiscard]] Protection ReadProtection(Registry& reg) {
    Protection p;
    ScopedKey key(reg);
    if (!OpenForReading(reg, Setting::UsePassword, key)) return p;
    p.on = AtoiLike(ReadStoredValue(reg, key.Get(), Setting::UsePassword)) != 0;
    p.password = ReadStoredValue(reg, key.Get(), Setting::FirstPassword);
    return p;
}

// As the prompt: up to its number of submissions; no terminal or no more input refuses.
[[nodiscard]] bool PasswordGiven(const Protection& protection, int number, PasswordSource& source,
                                 std::ostream& err) {
    if (!protection.on) return true;
    const std::string prompt = "Password for deleting task " + std::to_string(number) + ": ";
    for (int attempt = 0; attempt < kPromptSubmissions; ++attempt) {
        const std::optional<std::string> typed = source.Ask(prompt);
        if (!typed) {
            Say(err,
                "task delete: protection is on and there is no terminal to ask for the "
                "password on; nothing was written");
            return false;
        }
        const std::optional<std::string> gb = TryUtf8ToGb(*typed);
        if (gb && PasswordAccepted(protection.password, *gb)) return true;
        Say(err, "task delete: wrong password", kPasswordRefusedText);
    }
    Say(err, "task delete: nothing was written");
    return false;
}

[[nodiscard]] int Delete(Registry& reg, std::string_view numberText, PasswordSource& password,
                         std::ostream& out, std::ostream& err) {
    const std::optional<int> number = TaskNumber(numberText);
    if (!number) {
        Say(err, "task delete takes a task number from 1 to 20, as task list shows it");
        return kTaskMisuse;
    }
    const int n = *number;
    TaskStore store(reg);
    if (!LoadOrSay(reg, store, err)) return kTaskFailed;
    const std::string deleted(store.Record(n));
    if (n > store.TaskCount() || deleted.empty()) {
        Say(err, "task delete: there is no task " + std::to_string(n) + "; nothing was written");
        return kTaskRefused;
    }
    if (!PasswordGiven(ReadProtection(reg), n, password, err)) return kTaskNoPassword;

    // The last task that holds a record takes the deleted one's number.
    int moved = store.TaskCount();
    while (moved > n && store.Record(moved).empty()) --moved;
    if (!store.DeleteTask(n)) {
        Say(err, "task delete: there is no task " + std::to_string(n) + "; nothing was written");
        return kTaskRefused;
    }
    // As the delete dialog leaves it: the count first, then the values up to it.
    const std::string countText = std::to_string(store.TaskCount());
    SettingsReport report = WriteStoredValues(reg, {{Setting::TaskCount, countText}});
    report.Append(store.RewriteTasks(0));
    if (!report.Ok()) {
        const bool key = report.Failed(SettingsFailure::Step::OpenKey, Setting::TaskCount) ||
                         report.Failed(SettingsFailure::Step::OpenKey, Setting::TaskValue);
        Say(err, "task delete: the task list could not be written whole",
            key ? kTaskSaveFailedText : kTaskSetFailedText);
        return kTaskFailed;
    }
    out << "deleted " << TaskListLine(n, deleted) << '\n';
    if (moved > n) out << "task " << moved << " is now task " << n << '\n';
    return kTaskDone;
}

}  // namespace

std::string TaskListLine(int valueNumber, std::string_view record) {
    std::string line = valueNumber < 10 ? " " : "";
    line += std::to_string(valueNumber);
    if (record.empty()) return line + "  missing";
    const ParsedTask p = ParseTaskRecord(record);
    const TaskRecord& t = p.record;
    line += "  " + Padded(KindText(t.nAction), 7);
    line += "  " + Padded(ScheduleText(p), 15);
    line += "  " + TwoDigits(t.nHour) + ":" + TwoDigits(t.nMinute);
    line += "  " + OneLine(GbToUtf8(t.Target()));
    return line;
}

int RunTaskCommand(Registry& reg, const std::vector<std::string>& args, PasswordSource& password,
                   std::ostream& out, std::ostream& err) {
    const std::string sub = args.empty() ? "" : args[0];
    const std::span<const std::string> rest =
        args.empty() ? std::span<const std::string>() : std::span(args).subspan(1);
    if (sub == "list") {
        if (!rest.empty()) {
            Say(err, "task list takes no arguments");
            return kTaskMisuse;
        }
        return List(reg, out, err);
    }
    if (sub == "add") return RunTaskAdd(reg, rest, out, err);
    if (sub == "delete") {
        if (rest.size() != 1) {
            Say(err, "task delete takes one task number");
            return kTaskMisuse;
        }
        return Delete(reg, rest[0], password, out, err);
    }
    Say(err, "task takes list, add or delete");
    return kTaskMisuse;
}

}  // namespace tocklet
