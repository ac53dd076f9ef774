// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/SoundLookup.h"

#include "platform/DataDirs.h"
#include "store/Text.h"

namespace tocklet {

SoundPlan PlanSoundIn(std::string_view name, bool useDefault,
                      const std::filesystem::path& currentDir,
                      const std::vector<std::filesystem::path>& dataDirs) {
    if (auto file = FindDataFile(GbToUtf8(name), currentDir, dataDirs)) {
        return {SoundSource::File, *file, useDefault};
    }
    return {useDefault ? SoundSource::Bell : SoundSource::None, {}, false};
}

SoundPlan PlanSound(std::string_view name, bool useDefault, const std::filesystem::path& currentDir,
                    const std::filesystem::path& dataDir) {
    return PlanSoundIn(name, useDefault, currentDir, std::vector<std::filesystem::path>{dataDir});
}

}  // namespace tocklet
