// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Whole-file helpers for the registry file tests, and their temporary folder.

#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

#include "TempDir.h"

namespace tocklet::testing {

inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteWholeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

inline bool FileExists(const std::string& path) { return ::access(path.c_str(), F_OK) == 0; }

}  // namespace tocklet::testing
