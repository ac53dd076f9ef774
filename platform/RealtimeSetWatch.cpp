// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/RealtimeSetWatch.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace tocklet {

RealtimeSetWatch::RealtimeSetWatch() = default;

RealtimeSetWatch::~RealtimeSetWatch() {
    notifier_.reset();
    if (fd_ >= 0) ::close(fd_);
}

void RealtimeSetWatch::Watch(Handler handler) {
    handler_ = std::move(handler);
    if (!handler_ || fd_ >= 0) return;
    fd_ = ::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd_ < 0) {
        std::fprintf(stderr, "tocklet: clock changes go unseen: %s\n", std::strerror(errno));
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { OnReadable(); });
    Arm();
}

void RealtimeSetWatch::Arm() {
    // Expires only a century from now: only a set of the clock ends it.
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    itimerspec far{};
    far.it_value.tv_sec = now.tv_sec + static_cast<time_t>(100) * 365 * 24 * 3600;
    if (::timerfd_settime(fd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &far, nullptr) != 0) {
        std::fprintf(stderr, "tocklet: clock changes go unseen: %s\n", std::strerror(errno));
    }
}

void RealtimeSetWatch::OnReadable() {
    std::uint64_t expirations = 0;
    const ssize_t got = ::read(fd_, &expirations, sizeof expirations);
    if (got < 0 && errno == EAGAIN) return;
    // ECANCELED: the clock was set. The timer stays cancelled until it is armed again.
    const bool set = got < 0 && errno == ECANCELED;
    Arm();
    if (!set) return;
    Handler handler = handler_;
    if (handler) handler(Change::Set);
}

}  // namespace tocklet
