// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "store/ConfigDir.h"

#include "store/Files.h"

namespace tocklet {

std::string ConfigDir() {
    std::string dir = ConfigHome() + "/tocklet";
    if (!MakePrivateFolders(dir)) {
        // Only the name is asked for here: the files in the folder say what failed when they
        // are read or written.
    }
    return dir;
}

std::string HiveFilePath() { return ConfigDir() + "/registry.reg"; }

}  // namespace tocklet
