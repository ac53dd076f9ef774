// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Starting a task's program: a file in its own folder, run there, independent of this process.

#include <string_view>

namespace tocklet {

/// How the started program's window is asked to appear.
enum class ShowMode { Normal, Minimised };

class ProgramLauncher {
public:
    ProgramLauncher() = default;
    virtual ~ProgramLauncher() = default;
    ProgramLauncher(const ProgramLauncher&) = delete;
    ProgramLauncher& operator=(const ProgramLauncher&) = delete;

    /// Starts file (code page 936) found in folder (empty: the current directory), never
    /// searched for in PATH, with folder as its working directory; true when it is running.
    [[nodiscard]] virtual bool Start(std::string_view folder, std::string_view file,
                                     ShowMode show) = 0;
};

/// Starts programs directly with fork and exec (no shell), converting the code page 936 path
/// to the file system's UTF-8. X11 gives a launcher no way to ask a program for a minimised
/// first window, so ShowMode::Minimised starts the program like ShowMode::Normal.
class ExecProgramLauncher final : public ProgramLauncher {
public:
    [[nodiscard]] bool Start(std::string_view folder, std::string_view file,
                             ShowMode show) override;
};

}  // namespace tocklet
