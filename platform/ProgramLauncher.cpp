// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/ProgramLauncher.h"

#include <filesystem>
#include <system_error>

#include "platform/Spawn.h"
#include "store/Text.h"

namespace tocklet {

bool ExecProgramLauncher::Start(std::string_view folder, std::string_view file, ShowMode) {
    namespace fs = std::filesystem;
    if (file.empty()) return false;
    std::error_code ec;
    // Both made absolute here, so the file is found in its folder whatever the child's
    // directory is, and a bare name is never looked up in PATH.
    fs::path dir = folder.empty() ? fs::current_path(ec) : fs::absolute(GbToUtf8(folder), ec);
    if (ec) return false;
    fs::path program = dir / fs::path(GbToUtf8(file));
    std::string path = program.lexically_normal().string();
    return SpawnDetached(path, {path}, dir.string()) == 0;
}

}  // namespace tocklet
