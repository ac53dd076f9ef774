#include "platform/SoundLookup.h"

#include <system_error>

#include "platform/Text.h"

namespace tocklet {

std::filesystem::path InstalledDataDir() { return TOCKLET_DATA_DIR; }

SoundPlan PlanSound(std::string_view name, bool useDefault, const std::filesystem::path& currentDir,
                    const std::filesystem::path& dataDir) {
    namespace fs = std::filesystem;
    if (!name.empty()) {
        fs::path file(GbToUtf8(name));
        for (const fs::path& dir : {currentDir, dataDir}) {
            if (dir.empty()) continue;
            std::error_code ec;
            fs::path candidate = dir / file;
            if (fs::is_regular_file(candidate, ec)) {
                return {SoundSource::File, candidate, useDefault};
            }
        }
    }
    return {useDefault ? SoundSource::Bell : SoundSource::None, {}, false};
}

}  // namespace tocklet
