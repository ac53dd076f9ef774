// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "fakes/FakeClock.h"
#include "tasks/NextTask.h"

namespace tocklet {
namespace {

struct Case {
    const char* name;
    std::vector<std::string> records;  ///< stored records, any schedule
    std::string next;                  ///< "YYYY-MM-DD HH:MM target", or "" for none
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

std::string Describe(const NextTask& next) {
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M ", &next.at);
    return text + std::string(next.record.Target());
}

// Now: Monday 7 December 2026, 10:28:57.
const Case kCases[] = {
    {"NoTasks", {}, ""},
    {"LaterTodayEveryDay", {"1110,29_|a"}, "2026-12-07 10:29 a"},
    {"ThisMinuteIsPastSoTomorrow", {"1110,28_|a"}, "2026-12-08 10:28 a"},
    {"EarliestOfSeveral",
     {"1123,0_|late", "1111,0_|soon", "0110,45_|/bin/x"},
     "2026-12-07 10:45 /bin/x"},
    {"SameMinuteFirstInCheckOrder",
     {"1311,0_2|weekly", "1211,0_12.7|date", "1111,0_|daily"},
     "2026-12-07 11:00 daily"},
    {"WeekdayOfTodayPassedIsNextWeek", {"1310,0_2|mon"}, "2026-12-14 10:00 mon"},
    {"SaturdayThisWeek", {"138,0_7|sat"}, "2026-12-12 08:00 sat"},
    {"DateAcrossNewYear", {"120,0_1.1|ny"}, "2027-01-01 00:00 ny"},
    {"LeapDayYearsAhead", {"129,0_2.29|leap"}, "2028-02-29 09:00 leap"},
    {"ImpossibleDateNever", {"129,0_2.30|never"}, ""},
    {"OtherActionNever", {"9110,30_|x", "-110,30_|y"}, ""},
    {"HourOutOfClockNever", {"1124,0_|x", "1110,60_|y"}, ""},
};

class NextTaskTable : public ::testing::TestWithParam<Case> {};

TEST_P(NextTaskTable, FindsTheTaskTheCheckCarriesOutNext) {
    const Case& c = GetParam();
    std::vector<TaskRecord> daily, date, weekly;
    for (const std::string& record : c.records) {
        const ParsedTask parsed = ParseTaskRecord(record);
        auto& table = parsed.schedule == kScheduleDaily  ? daily
                      : parsed.schedule == kScheduleDate ? date
                                                         : weekly;
        table.push_back(parsed.record);
    }
    std::tm now = testing::CalendarTime(2026, 12, 7, 10, 28, 57);
    now.tm_wday = 1;
    const auto next = NextDueTask(TaskTables{daily, date, weekly}, now);
    EXPECT_EQ(next ? Describe(*next) : std::string(), c.next);
}

INSTANTIATE_TEST_SUITE_P(Tasks, NextTaskTable, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace tocklet
