// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "settings/ReleaseInfo.h"

namespace tocklet {

std::string_view PackageVersion() { return TOCKLET_VERSION; }

std::string VersionText(std::string_view program) {
    std::string text(program);
    text += ' ';
    text += PackageVersion();
    text +=
        "\nCopyright (C) 2026 The tocklet developers\n"
        "License GPL-3.0-or-later: GNU GPL version 3 or later "
        "<https://gnu.org/licenses/gpl.html>.\n"
        "This is free software: you are free to change and redistribute it.\n"
        "There is NO WARRANTY, to the extent permitted by law.\n";
    return text;
}

}  // namespace tocklet
