// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "tools/RegTasksCommand.h"

#include <algorithm>
#include <string>

#include "settings/SettingsTable.h"
#include "store/Text.h"
#include "tasks/TaskRecord.h"
#include "tasks/TaskStore.h"

namespace tocklet {
namespace {

// One field per line: tabs and line breaks inside a target would split it.
std::string OneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
    return text;
}

std::string ScheduleText(char schedule) {
    if (schedule > ' ' && schedule < 0x7F) return std::string(1, schedule);
    return "?";
}

}  // namespace

int RunTasksCommand(Registry& reg, std::ostream& out, std::ostream& err) {
    int count = 0;
    {
        ScopedKey key(reg);
        const RegStatus st =
            reg.OpenKey(RegRoot::LocalMachine, kProgramKeyRead, kKeyRead, key.Out());
        if (st != kRegOk) {
            err << "tocklet-reg: cannot open HKEY_LOCAL_MACHINE\\" << kProgramKeyRead
                << " for reading (status " << st << ")\n";
            return 1;
        }
        count = AtoiLike(ReadStoredValue(reg, key.Get(), Setting::TaskCount));
    }
    if (count > kMaxTasks) {
        err << "tocklet-reg: \"happen\" says " << count << "; the program loads only values 1 to "
            << kMaxTasks << "\n";
    }

    TaskStore store(reg);
    if (!store.LoadTasks(count)) {
        err << "tocklet-reg: cannot read the tasks of HKEY_LOCAL_MACHINE\\" << kProgramKeyRead
            << "\n";
        return 1;
    }
    for (int v = 1; v <= store.TaskCount(); ++v) {
        const std::string_view record = store.Record(v);
        out << v;
        if (record.empty()) {
            out << "\tmissing\n";
            continue;
        }
        const ParsedTask p = ParseTaskRecord(record);
        const TaskRecord& t = p.record;
        out << '\t' << t.nAction << '\t' << ScheduleText(p.schedule) << '\t' << t.nHour << '\t'
            << t.nMinute << '\t' << t.nMonth << '\t' << t.nDay << '\t' << t.nWeekday << '\t'
            << (TaskCanFire(p) ? "fires" : "never") << '\t' << OneLine(GbToUtf8(t.Target()))
            << '\n';
    }
    return 0;
}

}  // namespace tocklet
