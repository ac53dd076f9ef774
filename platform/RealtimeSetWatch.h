// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The wall clock being set, seen the moment it happens: a timer on the realtime clock armed
// for the far future and cancelled by the kernel whenever the clock is set.

#include <memory>

#include "platform/ClockWatch.h"

class QSocketNotifier;

namespace tocklet {

class RealtimeSetWatch final : public ClockWatch {
public:
    RealtimeSetWatch();
    ~RealtimeSetWatch() override;

    void Watch(Handler handler) override;

private:
    void Arm();
    void OnReadable();

    Handler handler_;
    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace tocklet
