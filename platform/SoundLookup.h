#pragma once
// Where a wave file named without a folder is found, and what to play when it is not.

#include <filesystem>
#include <string_view>

namespace tocklet {

enum class SoundSource { None, File, Bell };

struct SoundPlan {
    SoundSource source = SoundSource::None;
    std::filesystem::path file;     ///< the file to play (SoundSource::File)
    bool bellIfUnplayable = false;  ///< play the bell when the file turns out unplayable
};

/// The folder the installed program keeps its sounds in.
std::filesystem::path InstalledDataDir();

/// Looks name (code page 936) up in currentDir first, then in dataDir; a file found there is
/// played; otherwise the bell when useDefault, else nothing.
SoundPlan PlanSound(std::string_view name, bool useDefault, const std::filesystem::path& currentDir,
                    const std::filesystem::path& dataDir);

}  // namespace tocklet
