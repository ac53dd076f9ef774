// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "tools/RegTaskAdd.h"

#include <sys/stat.h>

#include <filesystem>
#include <map>

#include "settings/SettingsTable.h"
#include "store/Text.h"
#include "tasks/AddTaskLogic.h"
#include "tasks/TaskStore.h"
#include "tasks/TaskTexts.h"
#include "tools/RegTaskCommand.h"

namespace tocklet {
namespace {

using Outcome = AppendResult::Outcome;

// The options as given: name (without "--") to value; flags map to "".
using Options = std::map<std::string, std::string>;

struct Misuse {
    std::string why;
};

const std::map<std::string, bool>& KnownOptions() {
    // Each option and whether it takes a value.
    static const std::map<std::string, bool> known{
        {"daily", false}, {"date", true},    {"weekday", true},
        {"at", true},     {"message", true}, {"program", true},
    };
    return known;
}

[[nodiscard]] std::optional<Misuse> ParseOptions(std::span<const std::string> args,
                                                 Options& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0) return Misuse{"unexpected argument \"" + arg + "\""};
        std::string name = arg.substr(2);
        std::optional<std::string> value;
        if (const auto eq = name.find('='); eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        const auto known = KnownOptions().find(name);
        if (known == KnownOptions().end()) return Misuse{"unknown option --" + name};
        if (options.count(name) != 0) return Misuse{"--" + name + " given twice"};
        if (known->second && !value) {
            if (i + 1 >= args.size()) return Misuse{"--" + name + " needs a value"};
            value = args[++i];
        }
        if (!known->second && value) return Misuse{"--" + name + " takes no value"};
        options[name] = value.value_or("");
    }
    return std::nullopt;
}

[[nodiscard]] bool Within(SpinRange range, int n) {
    return n >= range.minimum && n <= range.maximum;
}

[[nodiscard]] int OptionsGiven(const Options& options, std::initializer_list<const char*> names) {
    int given = 0;
    for (const char* name : names) given += static_cast<int>(options.count(name));
    return given;
}

// The choices the dialog would read, from the options; a Misuse for malformed ones.
[[nodiscard]] std::optional<Misuse> Choose(const Options& options, AddTaskChoices& choices) {
    if (OptionsGiven(options, {"daily", "date", "weekday"}) != 1)
        return Misuse{"give one of --daily, --date MM-DD and --weekday N"};
    if (OptionsGiven(options, {"message", "program"}) != 1)
        return Misuse{"give one of --message TEXT and --program PATH"};
    if (options.count("at") == 0) return Misuse{"--at HH:MM is missing"};

    const std::string& at = options.at("at");
    const auto colon = at.find(':');
    const auto hour = colon == std::string::npos ? std::nullopt : SmallNumber(at.substr(0, colon));
    const auto minute =
        colon == std::string::npos ? std::nullopt : SmallNumber(at.substr(colon + 1));
    if (!hour || !minute || !Within(kHourRange, *hour) || !Within(kMinuteRange, *minute))
        return Misuse{"--at takes HH:MM, 00:00 to 23:59, not \"" + at + "\""};
    choices.hour = *hour;
    choices.minute = *minute;

    if (options.count("daily") != 0) {
        choices.schedule = kScheduleDaily;
    } else if (options.count("date") != 0) {
        const std::string& date = options.at("date");
        const auto dash = date.find('-');
        if (dash == std::string::npos) return Misuse{"--date takes MM-DD, not \"" + date + "\""};
        choices.schedule = kScheduleDate;
        choices.monthText = date.substr(0, dash);
        choices.dayText = date.substr(dash + 1);
    } else {
        const auto n = SmallNumber(options.at("weekday"));
        if (!n || *n < 1 || *n > 7) return Misuse{"--weekday takes 1 (Monday) to 7 (Sunday)"};
        choices.schedule = kScheduleWeekly;
        choices.weekdayText = Gb(WeekdayEntries()[static_cast<std::size_t>(*n - 1)]);
    }
    choices.action = options.count("message") != 0 ? kActionMessage : kActionProgram;
    return std::nullopt;
}

struct Refusal {
    std::string english;
    std::string_view message;
};

// The reminder text in code page 936, or why it cannot be stored.
[[nodiscard]] std::optional<Refusal> TakeText(const std::string& utf8, AddTaskChoices& choices) {
    const std::optional<std::string> gb = TryUtf8ToGb(utf8);
    if (!gb) return Refusal{"the text has a character code page 936 cannot hold", kTextNotGb};
    if (auto refusal = ReminderTextRefusal(*gb)) {
        return Refusal{gb->size() > kMaxReminderBytes
                           ? "the text takes " + std::to_string(gb->size()) +
                                 " bytes of code page 936; at most 66 are stored"
                           : "the text holds a character the program cannot store",
                       *refusal};
    }
    choices.reminderText = *gb;
    return std::nullopt;
}

// The program's absolute path in code page 936, or why it cannot be stored.
[[nodiscard]] std::optional<Refusal> TakeProgram(const std::string& utf8, AddTaskChoices& choices) {
    std::error_code ec;
    const std::string path = std::filesystem::absolute(utf8, ec).lexically_normal().string();
    struct stat st {};
    if (utf8.empty() || ec || ::stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode))
        return Refusal{"no program file \"" + (path.empty() ? utf8 : path) + "\"", kPathMissing};
    const std::optional<std::string> gb = TryUtf8ToGb(path);
    if (!gb) return Refusal{"the path has a character code page 936 cannot hold", kPathNotGb};
    if (auto refusal = ProgramPathRefusal(*gb))
        return Refusal{"the path cannot be stored in a task", *refusal};
    choices.programPath = *gb;
    return std::nullopt;
}

[[nodiscard]] int SayStored(const std::string& record, const AppendResult& result,
                            std::ostream& out, std::ostream& err) {
    switch (result.outcome) {
        case Outcome::ListFull:
            Say(err, "task add: the list holds 20 tasks already; nothing was written",
                kTaskListFullText);
            return kTaskRefused;
        case Outcome::RecordTooLong:
            Say(err, "task add: the task takes more than 99 bytes; nothing was written",
                kTaskRecordTooLongText);
            return kTaskRefused;
        case Outcome::NotStored: {
            const bool key =
                result.report.Failed(SettingsFailure::Step::OpenKey, Setting::TaskValue);
            Say(err, "task add: cannot write the task to the registry",
                key ? kTaskSaveFailedText : kTaskSetFailedText);
            return kTaskFailed;
        }
        case Outcome::Stored:
            break;
    }
    if (!result.report.Ok()) {
        Say(err,
            "task add: the task was written as value " + std::to_string(result.count) +
                ", but the task count could not be raised to it",
            kTaskSetFailedText);
        return kTaskFailed;
    }
    out << kTaskSavedText;
    out << TaskListLine(result.count, record) << '\n';
    return kTaskDone;
}

}  // namespace

void Say(std::ostream& to, std::string_view english, std::string_view message) {
    to << "tocklet-reg: " << english << '\n';
    if (message.empty()) return;
    to << message;
    if (message.back() != '\n') to << '\n';
}

std::optional<int> ReadTaskCountOrSay(Registry& reg, std::ostream& err) {
    ScopedKey key(reg);
    if (!OpenForReading(reg, Setting::TaskCount, key)) {
        Say(err, std::string("cannot open HKEY_LOCAL_MACHINE\\") + std::string(kProgramKeyRead) +
                     " for reading");
        return std::nullopt;
    }
    return StoredNumber(Setting::TaskCount, ReadStoredValue(reg, key.Get(), Setting::TaskCount));
}

int RunTaskAdd(Registry& reg, std::span<const std::string> args, std::ostream& out,
               std::ostream& err) {
    Options options;
    AddTaskChoices choices;
    auto misuse = ParseOptions(args, options);
    if (!misuse) misuse = Choose(options, choices);
    if (misuse) {
        Say(err, "task add: " + misuse->why);
        return kTaskMisuse;
    }
    const std::optional<Refusal> refusal = choices.action == kActionMessage
                                               ? TakeText(options.at("message"), choices)
                                               : TakeProgram(options.at("program"), choices);
    if (refusal) {
        Say(err, "task add: " + refusal->english + "; nothing was written", refusal->message);
        return kTaskRefused;
    }
    const BuiltTask built = BuildTaskRecord(choices);
    if (built.problem != AddTaskProblem::None) {
        Say(err, "task add: no such date; nothing was written", ProblemText(built.problem));
        return kTaskRefused;
    }
    const std::optional<int> count = ReadTaskCountOrSay(reg, err);
    if (!count) return kTaskFailed;
    TaskStore store(reg);
    return SayStored(built.record, store.AppendTask(built.record, *count), out, err);
}

}  // namespace tocklet
