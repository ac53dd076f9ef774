// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Remembers what the notification-area icon would show; tests press its buttons.

#include <string>

#include "platform/TrayIcon.h"

namespace tocklet::testing {

class FakeTrayIcon final : public TrayIcon {
public:
    void Add(int image, std::string_view text) override {
        shown = true;
        ++adds;
        Modify(image, text);
    }
    void Modify(int image, std::string_view text) override {
        iconId = image;
        tip = text;
    }
    void Remove() override {
        shown = false;
        ++removes;
    }
    void SetButtonHandler(ButtonHandler handler) override { handler_ = std::move(handler); }
    void Press(TrayButton b) {
        if (handler_) handler_(b);
    }

    bool shown = false;
    int adds = 0;
    int removes = 0;
    int iconId = 0;
    std::string tip;

private:
    ButtonHandler handler_;
};

}  // namespace tocklet::testing
