// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Menus, the toolbar's button order and the string table as plain data. Texts are UTF-8;
// "&x" marks a mnemonic and a tab starts the right-aligned shortcut column of a menu item.

#include <string_view>
#include <vector>

namespace tocklet {

inline constexpr int kPanelMenuId = 104;     // menu bar of the main panel
inline constexpr int kTrayMenuId = 105;      // menu of the notification icon
inline constexpr int kPanelToolbarId = 102;  // toolbar in the main panel's pager
inline constexpr int kAboutStringId = 101;   // window-menu item that opens the About box

/// Command 0 marks a separator.
inline constexpr int kSeparator = 0;

struct MenuItem {
    int command = kSeparator;
    std::string_view text;   // UTF-8; empty for a separator
    bool isDefault = false;  // shown in bold and chosen by a double click
};

struct MenuPopup {
    std::string_view title;  // UTF-8
    std::vector<MenuItem> items;
};

struct MenuData {
    int id = 0;
    std::vector<MenuPopup> popups;
};

/// The menu numbered id, or nullptr.
[[nodiscard]] const MenuData* FindMenu(int id);

/// Commands of the toolbar numbered id, left to right, kSeparator for a gap; empty when the
/// program has no such toolbar.
const std::vector<int>& ToolbarButtons(int id);

/// What a toolbar button for command does, in a few words (UTF-8), for screen readers; empty
/// for commands that no toolbar shows.
std::string_view ToolbarButtonName(int command);

/// Text of string resource id (UTF-8); empty when there is none.
std::string_view LoadStringResource(int id);

}  // namespace tocklet
