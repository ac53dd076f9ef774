// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/QtTimers.h"

#include <QTimer>
#include <algorithm>
#include <climits>

namespace tocklet {
namespace {

// The shortest interval a timer accepts, as with window timers.
constexpr int kMinimumIntervalMs = 10;

}  // namespace

QtTimers::QtTimers(const Clock& clock, TickHandler handler)
    : clock_(clock), handler_(std::move(handler)) {}

QtTimers::~QtTimers() = default;

void QtTimers::SetHandler(TickHandler handler) { handler_ = std::move(handler); }

void QtTimers::Set(int id, int intervalMs) {
    Entry& entry = timers_[id];
    if (!entry.timer) {
        entry.timer = std::make_unique<QTimer>();
        entry.timer->setSingleShot(true);
        entry.timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(entry.timer.get(), &QTimer::timeout, [this, id] { OnWake(id); });
    }
    entry.intervalMs = std::max(intervalMs, kMinimumIntervalMs);
    entry.running = true;
    entry.aligned = IsWholeSeconds(entry.intervalMs);
    if (entry.aligned) {
        std::int64_t nowMs = EpochMs(clock_.Now());
        entry.schedule = StartAligned(entry.intervalMs / 1000, nowMs);
        Arm(entry, DelayToNextTick(entry.schedule, nowMs));
    } else {
        entry.nextPlainTick =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(entry.intervalMs);
        Arm(entry, entry.intervalMs);
    }
}

void QtTimers::Kill(int id) {
    auto it = timers_.find(id);
    if (it == timers_.end() || !it->second.timer) return;
    it->second.timer->stop();
    it->second.running = false;
}

void QtTimers::SleepUntil(int id, std::int64_t epochSecond) {
    auto it = timers_.find(id);
    if (it == timers_.end() || !it->second.running || !it->second.aligned) return;
    Entry& entry = it->second;
    tocklet::SleepUntil(entry.schedule, epochSecond);
    Arm(entry, DelayToNextTick(entry.schedule, EpochMs(clock_.Now())));
}

void QtTimers::ClockSet() {
    // Each timer wakes now and its schedule decides: early, caught up, or rejoined.
    for (auto& [id, entry] : timers_) {
        if (entry.running && entry.aligned) Arm(entry, 0);
    }
}

void QtTimers::Resumed() {
    const std::int64_t nowMs = EpochMs(clock_.Now());
    for (auto& [id, entry] : timers_) {
        if (!entry.running || !entry.aligned) continue;
        SkipToNow(entry.schedule, nowMs);
        Arm(entry, DelayToNextTick(entry.schedule, nowMs));
    }
}

void QtTimers::Arm(Entry& entry, std::int64_t delayMs) {
    entry.timer->start(static_cast<int>(std::clamp<std::int64_t>(delayMs, 0, INT_MAX)));
}

void QtTimers::OnWake(int id) {
    auto it = timers_.find(id);
    if (it == timers_.end()) return;
    Entry& entry = it->second;
    TickSeconds seconds;
    if (entry.aligned) {
        AlignedWake wake = OnAlignedWake(entry.schedule, EpochMs(clock_.Now()));
        Arm(entry, wake.delayMs);
        if (!wake.deliver) return;
        seconds = wake.seconds;
    } else {
        // Missed ticks fold into this one, as window timers do.
        auto now = std::chrono::steady_clock::now();
        auto interval = std::chrono::milliseconds(entry.intervalMs);
        entry.nextPlainTick += interval;
        if (entry.nextPlainTick <= now) entry.nextPlainTick = now + interval;
        auto delay = std::chrono::ceil<std::chrono::milliseconds>(entry.nextPlainTick - now);
        Arm(entry, delay.count());
    }
    // Armed before the work, so the next tick can arrive inside a modal loop the handler opens.
    // A copy, because the handler may replace itself.
    TickHandler handler = handler_;
    if (handler) handler(id, seconds);
}

}  // namespace tocklet
