// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Where tocklet keeps its files: $XDG_CONFIG_HOME/tocklet, or ~/.config/tocklet.

#include <string>

namespace tocklet {

/// The program's config folder: $XDG_CONFIG_HOME/tocklet when that variable holds an absolute
/// path, else $HOME/.config/tocklet (the home folder from the password database when HOME is
/// unset). Missing folders are created with mode 0700; when that fails the path is still
/// returned and writes into it fail later with their own status.
[[nodiscard]] std::string ConfigDir();

/// The registry file inside ConfigDir(): registry.reg.
[[nodiscard]] std::string HiveFilePath();

}  // namespace tocklet
