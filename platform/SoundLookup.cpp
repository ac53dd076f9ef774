#include "platform/SoundLookup.h"

#include "platform/DataFiles.h"
#include "platform/Text.h"

namespace tocklet {

std::filesystem::path InstalledDataDir() { return TOCKLET_DATA_DIR; }

SoundPlan PlanSound(std::string_view name, bool useDefault, const std::filesystem::path& currentDir,
                    const std::filesystem::path& dataDir) {
    if (auto file = FindDataFile(GbToUtf8(name), currentDir, dataDir)) {
        return {SoundSource::File, *file, useDefault};
    }
    return {useDefault ? SoundSource::Bell : SoundSource::None, {}, false};
}

}  // namespace tocklet
