// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Modal message boxes: text and caption in code page 936 bytes.

#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "store/Text.h"

namespace tocklet {

enum class MbButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MbIcon { None, Question, Information, Warning, Error };

/// What the user chose, with the Win32 numbers.
enum MbResult : int { kIdOk = 1, kIdCancel = 2, kIdRetry = 4, kIdYes = 6, kIdNo = 7 };

/// The caption shown when none is given.
inline constexpr std::string_view kAppCaption = "tocklet";

class MessageBoxes {
public:
    MessageBoxes() = default;
    virtual ~MessageBoxes() = default;
    MessageBoxes(const MessageBoxes&) = delete;
    MessageBoxes& operator=(const MessageBoxes&) = delete;

    /// Shows text modally and returns the button chosen; no caption means kAppCaption.
    [[nodiscard]] virtual int Show(std::string_view text,
                                   std::optional<std::string_view> caption = std::nullopt,
                                   MbButtons buttons = MbButtons::Ok,
                                   MbIcon icon = MbIcon::None) = 0;

    /// Tells the user something: text in a box with an OK button only, shown modally.
    void Tell(std::string_view text, std::optional<std::string_view> caption = std::nullopt,
              MbIcon icon = MbIcon::None) {
        // The one answer of an OK box is kIdOk, however it was closed: there is nothing to
        // hand back, which is why telling returns nothing while asking returns the choice.
        std::ignore = Show(text, caption, MbButtons::Ok, icon);
    }
};

/// A message a store's result calls for: UTF-8 text and caption (none: kAppCaption), shown
/// with an OK button and no icon.
struct Notice {
    std::string_view text;
    std::optional<std::string_view> caption = std::nullopt;

    bool operator==(const Notice&) const = default;
};

/// Shows the notices one after the other, in code page 936.
inline void ShowNotices(MessageBoxes& boxes, const std::vector<Notice>& notices) {
    for (const Notice& notice : notices) {
        if (notice.caption) {
            boxes.Tell(Gb(notice.text), Gb(*notice.caption));
        } else {
            boxes.Tell(Gb(notice.text));
        }
    }
}

}  // namespace tocklet
