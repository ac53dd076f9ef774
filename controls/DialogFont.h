// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The Qt side of dialog units: the dialog font as Qt sees it and its measured base units.

#include <QFont>
#include <string_view>

#include "resources/DialogTemplate.h"
#include "resources/DialogUnits.h"

namespace tocklet {

/// Maps the Windows font faces the templates name (宋体, 黑体, 楷体_GB2312 ...) to installed
/// fonts that have Chinese glyphs. Runs once; later calls do nothing.
void InstallFontSubstitutions();

/// Logical dots per inch of the primary screen (96 when there is no screen).
[[nodiscard]] int ScreenDotsPerInch();

/// The font face at the point size, sized in whole pixels as the dialog manager does.
[[nodiscard]] QFont DialogFont(std::string_view faceUtf8, int pointSize, int dotsPerInch);

/// The template's font on the primary screen.
[[nodiscard]] QFont DialogFontFor(const DialogTemplate& dialog);

/// Base units of a font, measured: the width of the 52 letters and the text height.
[[nodiscard]] BaseUnits MeasureBaseUnits(const QFont& font);

}  // namespace tocklet
