// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Desktop hints for the program's own top-level windows.

class QWidget;

namespace tocklet {

/// Asks the desktop to leave window out of its task bar and pager (EWMH); call before the
/// window is first shown. Does nothing where the windows are not X11 windows.
void KeepOffTaskbar(QWidget* window);

}  // namespace tocklet
