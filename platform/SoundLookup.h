// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Where a wave file named without a folder is found, and what to play when it is not.

#include <filesystem>
#include <string_view>
#include <vector>

#include "platform/DataDirs.h"

namespace tocklet {

enum class SoundSource { None, File, Bell };

struct SoundPlan {
    SoundSource source = SoundSource::None;
    std::filesystem::path file;     ///< the file to play (SoundSource::File)
    bool bellIfUnplayable = false;  ///< play the bell when the file turns out unplayable
};

/// Looks name (code page 936) up in currentDir first, then in each of dataDirs in order; the
/// first file found is played; otherwise the bell when useDefault, else nothing. Empty folders
/// are skipped.
[[nodiscard]] SoundPlan PlanSoundIn(std::string_view name, bool useDefault,
                                    const std::filesystem::path& currentDir,
                                    const std::vector<std::filesystem::path>& dataDirs);

/// PlanSoundIn with one data folder.
[[nodiscard]] SoundPlan PlanSound(std::string_view name, bool useDefault,
                                  const std::filesystem::path& currentDir,
                                  const std::filesystem::path& dataDir);

}  // namespace tocklet
