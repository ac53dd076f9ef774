// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The program's numbered images, embedded in the executable.

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace tocklet {

/// Bitmap resource id (124 to 127, the clock glyphs 136 to 147), or a null pixmap when there is
/// none with that number.
/// Bitmap 102 is the toolbar's strip: one 20 x 20 image per button, in the order of
/// ToolbarButtons(102) without its separators.
QPixmap Bitmap(int id);

/// Icon resource id (102, 120 to 122) in all its sizes, or a null icon.
QIcon Icon(int id);

/// Qt resource path of animation id (128) for QMovie, or an empty string.
QString AnimationPath(int id);

}  // namespace tocklet
