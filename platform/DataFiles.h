#pragma once
// Finding the program's own files (its read-me, for example) by bare name.

#include <filesystem>
#include <optional>
#include <string_view>

namespace tocklet {

/// The file name (UTF-8) in currentDir when it is there, else in dataDir, else nullopt.
/// Empty folders are skipped.
std::optional<std::filesystem::path> FindDataFile(std::string_view name,
                                                  const std::filesystem::path& currentDir,
                                                  const std::filesystem::path& dataDir);

}  // namespace tocklet
