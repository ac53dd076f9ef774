#include "platform/DataFiles.h"

#include <system_error>

namespace tocklet {

std::optional<std::filesystem::path> FindDataFile(std::string_view name,
                                                  const std::filesystem::path& currentDir,
                                                  const std::filesystem::path& dataDir) {
    if (name.empty()) return std::nullopt;
    for (const std::filesystem::path& dir : {currentDir, dataDir}) {
        if (dir.empty()) continue;
        std::error_code ec;
        const std::filesystem::path candidate = dir / name;
        if (std::filesystem::is_regular_file(candidate, ec)) return candidate;
    }
    return std::nullopt;
}

}  // namespace tocklet
