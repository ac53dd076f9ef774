// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The notification-area icon: one icon with an image and a tip, reporting button presses.

#include <functional>
#include <string_view>

namespace tocklet {

enum class TrayButton { Left, Right };

class TrayIcon {
public:
    using ButtonHandler = std::function<void(TrayButton)>;

    TrayIcon() = default;
    virtual ~TrayIcon() = default;
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    /// Shows the icon with the image of the given icon resource and the tip (code page 936).
    virtual void Add(int iconId, std::string_view tip) = 0;

    /// Changes the image and tip of the icon shown.
    virtual void Modify(int iconId, std::string_view tip) = 0;

    /// Takes the icon out of the notification area.
    virtual void Remove() = 0;

    /// Sets who hears of button presses on the icon.
    virtual void SetButtonHandler(ButtonHandler handler) = 0;
};

}  // namespace tocklet
