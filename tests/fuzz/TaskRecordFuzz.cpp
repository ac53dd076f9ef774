// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// Feeds arbitrary bytes to the task record parser: it must stay inside its buffers, keep the
// target within 99 bytes without splitting a character, and a task it reads as firing must
// come back unchanged when formatted and parsed again.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "store/Text.h"
#include "tasks/TaskRecord.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tocklet;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const ParsedTask p = ParseTaskRecord(input);
    const TaskRecord& t = p.record;

    const std::size_t len = ::strnlen(t.szTarget, sizeof t.szTarget);
    Check(len <= kMaxRecordBytes);
    const std::string_view target = t.Target();
    // The target is a run of whole characters copied from the input: no single-byte "|".
    for (std::size_t pos = 0; pos < target.size(); pos += CharBytes(target, pos)) {
        Check(!(CharBytes(target, pos) == 1 && target[pos] == '|'));
    }

    if (TaskCanFire(p)) {
        const std::string again =
            FormatTaskRecord(static_cast<Action>(t.nAction), p.schedule, t.nHour, t.nMinute,
                             t.nMonth, t.nDay, t.nWeekday, target);
        const ParsedTask q = ParseTaskRecord(again);
        Check(q.schedule == p.schedule);
        Check(q.record.nAction == t.nAction);
        Check(q.record.nHour == t.nHour && q.record.nMinute == t.nMinute);
        Check(q.record.nMonth == t.nMonth && q.record.nDay == t.nDay);
        Check(q.record.nWeekday == t.nWeekday);
        Check(q.record.Target() == target);
    }
    return 0;
}
