// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Splitting a program task's stored path into the folder it runs in and the file it starts.

#include <string>
#include <string_view>

namespace tocklet {

struct ProgramPath {
    std::string folder;  ///< working folder; empty means the current directory
    std::string file;    ///< the file to start, relative to folder
};

/// Splits at the last path separator ('/' or '\', never the second byte of a two-byte
/// character) found at byte 2 or later, so that a drive prefix such as "C:" stays whole: the
/// folder is the text before it, the file the text after it. A path whose only separators are
/// a leading '/' in its first two bytes ("/x") runs in the root folder "/". Any other path
/// without such a separator is passed whole as the file, with an empty folder.
[[nodiscard]] ProgramPath SplitProgramPath(std::string_view path);

}  // namespace tocklet
