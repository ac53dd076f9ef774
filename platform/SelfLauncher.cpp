// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/SelfLauncher.h"

#include <filesystem>
#include <system_error>

#include "platform/Spawn.h"

namespace tocklet {
namespace {

// The kernel appends this to the link of an executable that was replaced or removed.
constexpr std::string_view kDeletedSuffix = " (deleted)";

}  // namespace

ProcSelfLauncher::ProcSelfLauncher(std::string executable) : executable_(std::move(executable)) {}

std::string ProcSelfLauncher::ExecutablePath() {
    namespace fs = std::filesystem;
    if (!executable_.empty()) return executable_;
    std::error_code ec;
    std::string path = fs::read_symlink("/proc/self/exe", ec).string();
    if (ec) return {};
    // After an upgrade replaced the file, its path names the new executable.
    if (path.ends_with(kDeletedSuffix)) path.resize(path.size() - kDeletedSuffix.size());
    return path;
}

SystemResult ProcSelfLauncher::StartNewInstance() {
    const std::string path = ExecutablePath();
    if (path.empty()) return {"/proc/self/exe", "the running executable cannot be found"};
    std::error_code ec;
    const std::string cwd = std::filesystem::current_path(ec).string();
    // Started at its path only: a program the user removed is not brought back from the
    // kernel's link to its old file, whose data files are likely gone with it.
    return ResultOfErrno(path, SpawnDetached(path, {path}, ec ? std::string() : cwd));
}

}  // namespace tocklet
