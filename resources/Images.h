// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The program's numbered images, embedded in the executable.

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace tocklet {

/// Bitmap resource id (resources/ImageIds.h), or a null pixmap when there is none with that
/// number. The toolbar's strip has its toolbar's number (kPanelToolbarId): one 20 x 20 image
/// per button, in the order of ToolbarButtons(kPanelToolbarId) without its separators.
QPixmap Bitmap(int id);

/// Icon resource id (resources/ImageIds.h) in all its sizes, or a null icon.
QIcon Icon(int id);

/// Qt resource path of animation id (kBirdAnimation) for QMovie, or an empty string.
QString AnimationPath(int id);

}  // namespace tocklet
