// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The hyperlink control's rules, free of any window system: its text colour, its size fitted
// to its text, and the results and messages of opening its target.

#include <string>
#include <string_view>

#include "settings/Colour.h"

namespace tocklet {

/// A result of opening a target: above kOpenFailedMax means it opened; the values up to it
/// are the failure codes whose texts OpenErrorText knows.
inline constexpr int kOpenFailedMax = 32;
/// What a successful opening reports.
inline constexpr int kOpened = 33;

/// Failure codes, numbered as the desktop's shell reports them.
enum OpenFailure : int {
    kOpenOutOfResources = 0,
    kOpenFileNotFound = 2,
    kOpenPathNotFound = 3,
    kOpenAccessDenied = 5,
    kOpenOutOfMemory = 8,
    kOpenBadProgram = 11,
    kOpenSharingViolation = 26,
    kOpenNoAssociation = 31,
};

/// The text colour of a link: hover wins over both, then opened, then link.
[[nodiscard]] COLORREF LinkTextColour(COLORREF link, COLORREF visited, COLORREF hover,
                                      bool mouseOver, bool opened);

/// A window rectangle in its parent's coordinates; right and bottom are outside it.
struct WindowRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const WindowRect&) const = default;
};

enum class TextAlign { Left, Centre, Right };

/// The window shrunk or grown to a text of width x height: about its centre along the axes
/// the text is centred on, else kept at its left (or right) and top edges.
[[nodiscard]] WindowRect FitRectToText(const WindowRect& window, int textWidth, int textHeight,
                                       TextAlign horizontal, bool centredVertically);

/// The message shown when a target cannot be opened, for a failure code.
[[nodiscard]] std::string OpenErrorText(int code);

/// The failure code for an errno value of starting a program.
[[nodiscard]] int OpenFailureForErrno(int error);

/// Why the desktop may have refused target (code page 936): a file that is missing, in a
/// missing folder, or unreadable; otherwise no application for it. Relative files are taken
/// from currentDir.
[[nodiscard]] int OpenFailureForRefusal(std::string_view target, std::string_view currentDir);

}  // namespace tocklet
