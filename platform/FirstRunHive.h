// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The installer's step for the user who starts the program: on Linux a package cannot create
// registry keys for every user, so the program creates the user's registry file from the
// installed setup.reg when there is no such file at all.

#include <filesystem>
#include <string>
#include <vector>

namespace tocklet {

/// The file the installer's keys are read from, in one of the data folders.
inline constexpr const char* kSetupRegName = "setup.reg";

enum class HiveSetupOutcome {
    Existing,         ///< a file (of any kind, in any state) was there and is left as it is
    Created,          ///< the file was created from setup.reg
    NoSetupFile,      ///< no setup.reg in any data folder
    SetupUnreadable,  ///< setup.reg found but not readable
    SetupDamaged,     ///< setup.reg does not parse
    WriteFailed,      ///< the registry file could not be created
};

struct [[nodiscard]] HiveSetupResult {
    HiveSetupOutcome outcome = HiveSetupOutcome::Existing;
    std::filesystem::path setupFile;  ///< the setup.reg used or refused
    std::string detail;               ///< why it failed
};

/// When nothing at all is at hivePath, creates the registry file there from the first
/// setup.reg found in dataDirs; an existing file is never read or changed by this step.
[[nodiscard]] HiveSetupResult CreateHiveFromSetup(
    const std::string& hivePath, const std::vector<std::filesystem::path>& dataDirs);

/// One line for the program's log saying what was done and why; empty for Existing.
[[nodiscard]] std::string DescribeHiveSetup(const HiveSetupResult& result,
                                            const std::string& hivePath);

}  // namespace tocklet
