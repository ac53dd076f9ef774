// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// A long day in ten minutes: the real panel on the real clock and timers, run under faketime
// 60 times fast (bench/soak.sh), with 20 stored tasks - 17 due at different minutes of the
// run (every day, this date, this weekday; program starts and reminder pop-ups) and 3 that
// must not fire - and the hourly chime on. Counts every start, pop-up and chime with the
// minute it came in, and resident memory at each full hour; exits 1 when a due task did not
// fire exactly once in its minute, a decoy fired, an hour did not chime exactly once, or
// memory grew after the first hour.
// Usage: soak_bench [HOURS (default 10)]   (run at a faked 08:58:30 on a Monday, 7 December)

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "bench/PanelBench.h"
#include "clock/Chime.h"
#include "controls/DialogBuilder.h"
#include "tasks/TaskRecord.h"
#include "tasks/ui/ReminderDlg.h"

using namespace tocklet;

namespace {

// Allocator noise allowed between the hourly samples: a leak of one pop-up an hour is more.
constexpr long kRssSlackKb = 128;
// Qt's glyph caches grow when a pop-up shows a character not shown before (the third pop-up's
// "task10" brings a digit 1 and about 40 kB); a leak of one pop-up each time is more.
constexpr long kHeapSlackKb = 64;

struct Planned {
    std::string name;
    int hour = 0, minute = 0;
    bool due = true;
};

// The stored tasks: from 09:07 every 29 minutes; every fifth one, the first included, a
// reminder pop-up, so that the first hour has done every kind of work once.
std::vector<Planned> Plan(const std::tm& start, std::vector<std::string>* records) {
    std::vector<Planned> plan;
    for (int i = 0; i < 17; ++i) {
        const int at = 9 * 60 + 7 + 29 * i;
        Planned p{"task" + std::to_string(i), at / 60, at % 60, true};
        const Action action = i % 5 == 0 ? kActionMessage : kActionProgram;
        const char schedule = "123"[i % 3];
        const std::string target = action == kActionProgram ? "C:\\bench\\" + p.name : p.name;
        records->push_back(FormatTaskRecord(action, schedule, p.hour, p.minute, start.tm_mon + 1,
                                            start.tm_mday, start.tm_wday + 1, target));
        plan.push_back(p);
    }
    // Decoys: tomorrow's weekday and date at minutes of the run, and a time after it.
    const int nextDay = start.tm_wday % 7 + 2;
    records->push_back(FormatTaskRecord(kActionProgram, kScheduleWeekly, 9, 36, 0, 0, nextDay,
                                        "C:\\bench\\decoy-weekday"));
    records->push_back(FormatTaskRecord(kActionProgram, kScheduleDate, 10, 5, start.tm_mon + 1,
                                        start.tm_mday + 1, 0, "C:\\bench\\decoy-date"));
    records->push_back(
        FormatTaskRecord(kActionProgram, kScheduleDaily, 23, 30, 0, 0, 0, "C:\\bench\\decoy-late"));
    for (const char* d : {"decoy-weekday", "decoy-date", "decoy-late"})
        plan.push_back({d, 0, 0, false});
    return plan;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int hours = argc > 1 ? std::atoi(argv[1]) : 10;

    SystemClock sample;
    const std::tm start = sample.LocalTime(sample.Now());
    std::vector<std::string> records;
    const std::vector<Planned> plan = Plan(start, &records);

    std::map<std::string, std::vector<std::tm>> fired;  // task name -> moments it fired
    std::map<int, int> chimes;                          // hour -> chimes
    std::vector<long> rss;                              // kB at each full hour
    std::vector<long> heap;                             // kB allocated at each full hour
    bench::PanelBench bench({records, true, "23:0:0"}, {});
    auto now = [&] { return bench.clock.LocalTime(bench.clock.Now()); };
    bench.boxes.whileShown = [&] {
        const std::tm t = now();
        ++chimes[t.tm_min == 59 ? (t.tm_hour + 1) % 24 : t.tm_hour];
        rss.push_back(bench::ResidentKb());
        heap.push_back(bench::HeapInUseKb());
    };
    std::size_t seenStarts = 0;
    auto collect = [&] {
        for (; seenStarts < bench.launcher.started.size(); ++seenStarts) {
            fired[bench.launcher.started[seenStarts].file].push_back(now());
        }
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* reminder = qobject_cast<CReminderDlg*>(w);
            if (reminder == nullptr || !reminder->isVisible()) continue;
            fired[reminder->m_strText].push_back(now());
            ControlAs<QAbstractButton>(reminder, kReminderThanksId)->click();
        }
    };
    QTimer poll;
    poll.setInterval(200);  // faked milliseconds: well inside each minute
    QObject::connect(&poll, &QTimer::timeout, collect);
    const int ended = bench.Run([&](CMainPanelDlg& panel) {
        poll.start();
        QTimer::singleShot(hours * 3600 * 1000, &panel, [&panel] { panel.done(kIdOk); });
    });
    if (ended != kIdOk) {
        std::fprintf(stderr, "the panel ended before the run did (result %d)\n", ended);
        return 1;
    }
    collect();

    int failures = 0;
    for (const Planned& p : plan) {
        const std::vector<std::tm>& list = fired[p.name];
        const bool ok =
            p.due ? list.size() == 1 && list[0].tm_hour == p.hour && list[0].tm_min == p.minute
                  : list.empty();
        if (!ok) ++failures;
        std::printf("%-14s %s %02d:%02d fired %zu%s\n", p.name.c_str(), p.due ? "due" : "   ",
                    p.hour, p.minute, list.size(), ok ? "" : "  <-- wrong");
    }
    int chimedOnce = 0;
    for (int h = 1; h <= hours; ++h) chimedOnce += chimes[(start.tm_hour + h) % 24] == 1;
    // The first hour warms up (fonts, the first pop-up, caches); from then on memory must
    // stay flat. Resident memory also moves with the allocator's free lists; the bytes
    // allocated tell a leak from that.
    const auto growth = [](const std::vector<long>& kb) {
        return kb.size() > 1 ? kb.back() - kb[1] : 0;
    };
    std::printf(
        "tasks %zu (17 due, 3 decoys): as planned %zu; hours %d: chimed once %d; "
        "after the first hour: RSS %ld kB, growth %ld kB; heap in use %ld kB, growth "
        "%ld kB\n",
        plan.size(), plan.size() - static_cast<std::size_t>(failures), hours, chimedOnce,
        rss.size() > 1 ? rss[1] : 0, growth(rss), heap.size() > 1 ? heap[1] : 0, growth(heap));
    std::printf("RSS at each full hour (kB):");
    for (long kb : rss) std::printf(" %ld", kb);
    std::printf("\nheap in use at each full hour (kB):");
    for (long kb : heap) std::printf(" %ld", kb);
    std::printf("\n");
    return failures == 0 && chimedOnce == hours && growth(rss) <= kRssSlackKb &&
                   growth(heap) <= kHeapSlackKb
               ? 0
               : 1;
}
