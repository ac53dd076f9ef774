// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The program's own executable: where it is, and starting a fresh instance of it.

#include <string>

namespace tocklet {

class SelfLauncher {
public:
    SelfLauncher() = default;
    virtual ~SelfLauncher() = default;
    SelfLauncher(const SelfLauncher&) = delete;
    SelfLauncher& operator=(const SelfLauncher&) = delete;

    /// The absolute path of the running executable in file-system bytes; empty if unknown.
    virtual std::string ExecutablePath() = 0;

    /// Starts a new instance of the executable, without arguments, in the current directory,
    /// independent of this process; true when it is running.
    virtual bool StartNewInstance() = 0;
};

/// Finds the executable through /proc/self/exe and starts it with fork and exec.
class ProcSelfLauncher final : public SelfLauncher {
public:
    /// executable: the program to start instead of this process's own (empty: its own).
    explicit ProcSelfLauncher(std::string executable = {});

    std::string ExecutablePath() override;
    bool StartNewInstance() override;

private:
    std::string executable_;
};

}  // namespace tocklet
