// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Keeps the handler; the test reports a change with Emit.

#include "platform/ClockWatch.h"

namespace tocklet::testing {

class FakeClockWatch final : public ClockWatch {
public:
    void Watch(Handler handler) override { handler_ = std::move(handler); }

    [[nodiscard]] bool IsWatched() const { return static_cast<bool>(handler_); }

    void Emit(Change change) {
        Handler handler = handler_;
        if (handler) handler(change);
    }

private:
    Handler handler_;
};

}  // namespace tocklet::testing
