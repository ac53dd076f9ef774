// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// What the user reads at start when the registry file cannot be used. HiveRegistry::Problem
// keeps the English detail for standard error and for tocklet-reg.

#include <string>

namespace tocklet {

/// The message in code page 936 for the registry file at path: damaged at line (line > 0), or
/// not readable at all (line 0). The path is shown as it is named on disk.
[[nodiscard]] std::string RegistryProblemMessage(const std::string& path, int line);

}  // namespace tocklet
