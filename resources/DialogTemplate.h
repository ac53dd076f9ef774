// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// A dialog template as plain data: the window's size, font, caption and styles, and its
// controls in template order. Sizes and positions are dialog units, which the builder turns
// into pixels with the dialog font's base units. Captions are UTF-8.

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace tocklet {

/// Identifier of the controls that carry no number of their own.
inline constexpr int kNoControlId = -1;

/// What a control is; the builder makes one widget per kind.
enum class ControlKind {
    PushButton,
    DefPushButton,  // the dialog's default button
    CheckBox,       // automatic check box
    RadioButton,    // automatic radio button; consecutive ones form one group
    GroupBox,       // a titled frame drawn behind the controls; parent of none of them
    Frame,          // an etched rectangle without a title
    TextLeft,       // static text, word-wrapped, aligned left
    TextCentre,
    TextRight,
    Edit,
    ComboBox,  // rectangle height includes the dropped-down list
    ListBox,
    SpinButton,  // up-down arrows beside a buddy edit
    SliderH,
    SliderV,
    ProgressBar,
    Picture,    // bitmap resource in resourceId
    IconImage,  // icon resource in resourceId
    Animation,  // animation resource in resourceId
    Pager,      // strip that hosts a toolbar
    Hyperlink,  // static text that the link control takes over
    RoundButton,
};

/// Extra styles of a control (bit flags, combined with |).
struct ControlStyle {
    static constexpr std::uint32_t kNone = 0;
    static constexpr std::uint32_t kReadOnly = 1u << 0;       // edit: text cannot be changed
    static constexpr std::uint32_t kSunken = 1u << 1;         // static: thin sunken edge
    static constexpr std::uint32_t kBordered = 1u << 2;       // thin plain border
    static constexpr std::uint32_t kDigitsOnly = 1u << 3;     // edit: accepts digits only
    static constexpr std::uint32_t kPassword = 1u << 4;       // edit: hides what is typed
    static constexpr std::uint32_t kVScroll = 1u << 5;        // list box: vertical scroll bar
    static constexpr std::uint32_t kEditableCombo = 1u << 6;  // combo box with an edit field
    static constexpr std::uint32_t kStartsGroup = 1u << 7;    // radio: starts a new group
    static constexpr std::uint32_t kDisabled = 1u << 8;
    static constexpr std::uint32_t kAutoPlay = 1u << 9;      // animation: plays once shown
    static constexpr std::uint32_t kCentreImage = 1u << 10;  // image centred, not stretched
    static constexpr std::uint32_t kTransparent = 1u << 11;  // animation: background shows
    static constexpr std::uint32_t kAutoTicks = 1u << 12;    // slider: draws tick marks
    static constexpr std::uint32_t kNoPrefix = 1u << 13;     // static: '&' shown as it is
};

/// Styles of the dialog window itself (bit flags, combined with |).
struct DialogStyle {
    static constexpr std::uint32_t kNone = 0;
    static constexpr std::uint32_t kCaption = 1u << 0;  // title bar
    static constexpr std::uint32_t kSysMenu = 1u << 1;  // window menu and close box
    static constexpr std::uint32_t kMinimizeBox = 1u << 2;
    static constexpr std::uint32_t kSetForeground = 1u << 3;  // comes to the front when shown
    static constexpr std::uint32_t kModalFrame = 1u << 4;
    static constexpr std::uint32_t kSystemModal = 1u << 5;  // stays above all other windows
    static constexpr std::uint32_t kToolWindow = 1u << 6;
    static constexpr std::uint32_t kAppWindow = 1u << 7;  // has a task bar button
    static constexpr std::uint32_t kNoBorder = 1u << 8;   // neither caption nor frame
    static constexpr std::uint32_t kCentred = 1u << 9;    // centred instead of placed at x, y
};

/// A rectangle in dialog units.
struct DluRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct ControlTemplate {
    int id = kNoControlId;
    ControlKind kind = ControlKind::TextLeft;
    std::string_view caption;  // UTF-8; "&x" marks a mnemonic on buttons
    DluRect rect;
    std::uint32_t style = ControlStyle::kNone;
    int resourceId = 0;               // bitmap, icon or animation number
    std::string_view accessibleName;  // for controls without a caption
};

/// Shorthand for a template row: ControlRow(kIdChimeOn, ControlKind::CheckBox, "整点报时",
/// {24, 61, 45, 10}), then .Styled(...), .Resource(...) or .Named(...) where needed. The number
/// is a name from the dialog's id header (MainPanelIds.h, AddTaskIds.h, ...), never a literal.
struct ControlRow : ControlTemplate {
    ControlRow(int id_, ControlKind kind_, std::string_view caption_, DluRect rect_) {
        id = id_;
        kind = kind_;
        caption = caption_;
        rect = rect_;
    }
    ControlRow&& Styled(std::uint32_t style_) && {
        style = style_;
        return std::move(*this);
    }
    ControlRow&& Resource(int resourceId_) && {
        resourceId = resourceId_;
        return std::move(*this);
    }
    ControlRow&& Named(std::string_view accessibleName_) && {
        accessibleName = accessibleName_;
        return std::move(*this);
    }
};

struct DialogTemplate {
    int id = 0;
    DluRect rect;               // x, y: placement; width, height: client size
    std::string_view fontFace;  // UTF-8
    int fontPointSize = 9;
    std::string_view caption;  // UTF-8
    std::uint32_t style = DialogStyle::kNone;
    int menuId = 0;  // 0: no menu bar
    std::vector<ControlTemplate> controls;
};

/// The template numbered id, or nullptr when the program has none with that number.
[[nodiscard]] const DialogTemplate* FindTemplate(int id);

/// The control with identifier id in the template, or nullptr.
[[nodiscard]] const ControlTemplate* FindControl(const DialogTemplate& dialog, int id);

/// True when the kind is one of the static texts (left, centred, right).
constexpr bool IsText(ControlKind kind) {
    return kind == ControlKind::TextLeft || kind == ControlKind::TextCentre ||
           kind == ControlKind::TextRight;
}

}  // namespace tocklet
