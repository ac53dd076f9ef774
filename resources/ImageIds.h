// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Numbers of the program's embedded images (resources/Images.h loads them): the templates,
// the dialogs and the notification icon name them here.

namespace tocklet {

// Icons.
inline constexpr int kProgramIcon = 102;
inline constexpr int kTrayIconWorking = 120;  // the bird; also on the owner editor and countdown
inline constexpr int kTrayIconPaused = 121;
inline constexpr int kAlarmClockIcon = 122;

// Bitmaps. The toolbar's strip carries its toolbar's number (resources/Menus.h).
inline constexpr int kPanelPicture = 124;
inline constexpr int kPasswordBackground = 125;
inline constexpr int kReminderPicture = 126;
inline constexpr int kBrowseButtonBitmap = 127;
/// Bitmap number of the clock's glyph 0; glyph i is bitmap kFirstGlyphBitmap + i.
inline constexpr int kFirstGlyphBitmap = 136;

// Animations.
inline constexpr int kBirdAnimation = 128;

}  // namespace tocklet
