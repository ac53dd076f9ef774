#pragma once
// Modal message boxes: text and caption in code page 936 bytes.

#include <optional>
#include <string>
#include <string_view>

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
    virtual int Show(std::string_view text, std::optional<std::string_view> caption = std::nullopt,
                     MbButtons buttons = MbButtons::Ok, MbIcon icon = MbIcon::None) = 0;
};

}  // namespace tocklet
