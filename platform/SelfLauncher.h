// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The program's own executable: where it is, and starting a fresh instance of it.

#include <string>

#include "platform/SystemResult.h"

namespace tocklet {

class SelfLauncher {
public:
    SelfLauncher() = default;
    virtual ~SelfLauncher() = default;
    SelfLauncher(const SelfLauncher&) = delete;
    SelfLauncher& operator=(const SelfLauncher&) = delete;

    /// The absolute path of the running executable in file-system bytes; empty if unknown.
    [[nodiscard]] virtual std::string ExecutablePath() = 0;

    /// Starts a new instance of the executable, without arguments, in the current directory,
    /// independent of this process; done when it is running, else the path tried and why not.
    [[nodiscard]] virtual SystemResult StartNewInstance() = 0;
};

/// Finds the executable through /proc/self/exe and starts it with fork and exec, at its path:
/// once the file is gone there (the package removed, the build folder cleaned), no new
/// instance starts; this one is told why and stays.
class ProcSelfLauncher final : public SelfLauncher {
public:
    /// executable: the program to start instead of this process's own (empty: its own).
    explicit ProcSelfLauncher(std::string executable = {});

    [[nodiscard]] std::string ExecutablePath() override;
    [[nodiscard]] SystemResult StartNewInstance() override;

private:
    std::string executable_;
};

}  // namespace tocklet
