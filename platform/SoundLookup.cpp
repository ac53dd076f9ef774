#include "platform/SoundLookup.h"

#include <system_error>

#include "platform/Text.h"

namespace tocklet {

SoundPlan PlanSoundIn(std::string_view name, bool useDefault,
                      const std::filesystem::path& currentDir,
                      const std::vector<std::filesystem::path>& dataDirs) {
    namespace fs = std::filesystem;
    if (!name.empty()) {
        fs::path file(GbToUtf8(name));
        std::vector<fs::path> dirs{currentDir};
        dirs.insert(dirs.end(), dataDirs.begin(), dataDirs.end());
        for (const fs::path& dir : dirs) {
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

SoundPlan PlanSound(std::string_view name, bool useDefault, const std::filesystem::path& currentDir,
                    const std::filesystem::path& dataDir) {
    return PlanSoundIn(name, useDefault, currentDir, std::vector<std::filesystem::path>{dataDir});
}

}  // namespace tocklet
