// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/FirstRunHive.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/DataDirs.h"
#include "store/Files.h"
#include "store/HiveRegistry.h"
#include "store/RegFile.h"

namespace tocklet {
namespace {

namespace fs = std::filesystem;

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 || errno != ENOENT;
}

[[nodiscard]] bool ReadWhole(const fs::path& file, std::string* text) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool read = ReadAll(fd, text);
    const int readErrno = errno;
    ::close(fd);
    errno = readErrno;
    return read;
}

}  // namespace

HiveSetupResult CreateHiveFromSetup(const std::string& hivePath,
                                    const std::vector<fs::path>& dataDirs) {
    // A file that cannot even be looked at also counts as there: it is not ours to replace.
    if (Exists(hivePath)) return {};
    HiveSetupResult result;
    result.setupFile = FindDataFile(kSetupRegName, {}, dataDirs).value_or(fs::path());
    if (result.setupFile.empty()) {
        result.outcome = HiveSetupOutcome::NoSetupFile;
        return result;
    }
    std::string text;
    if (!ReadWhole(result.setupFile, &text)) {
        result.outcome = HiveSetupOutcome::SetupUnreadable;
        result.detail = std::strerror(errno);
        return result;
    }
    std::vector<RegOp> ops;
    RegParseError parseError;
    if (!ParseRegFile(text, &ops, &parseError)) {
        result.outcome = HiveSetupOutcome::SetupDamaged;
        result.detail = "line " + std::to_string(parseError.line) + ": " + parseError.reason;
        return result;
    }
    HiveRegistry registry(hivePath);
    bool created = false;
    if (registry.CreateFrom(ops, &created, &result.detail) != kRegOk) {
        result.outcome = HiveSetupOutcome::WriteFailed;
    } else {
        // Another instance may have created it first; either way the file is there now.
        result.outcome = created ? HiveSetupOutcome::Created : HiveSetupOutcome::Existing;
    }
    return result;
}

std::string DescribeHiveSetup(const HiveSetupResult& result, const std::string& hivePath) {
    const std::string setup = result.setupFile.string();
    switch (result.outcome) {
        case HiveSetupOutcome::Existing:
            return {};
        case HiveSetupOutcome::Created:
            return "first run for this user: created " + hivePath + " from " + setup;
        case HiveSetupOutcome::NoSetupFile:
            return "first run for this user, but no " + std::string(kSetupRegName) +
                   " was found in the data folders; " + hivePath +
                   " is not created and the program's keys are missing";
        case HiveSetupOutcome::SetupUnreadable:
            return "first run for this user, but " + setup + " cannot be read (" + result.detail +
                   "); " + hivePath + " is not created";
        case HiveSetupOutcome::SetupDamaged:
            return "first run for this user, but " + setup + " is damaged at " + result.detail +
                   "; " + hivePath + " is not created";
        case HiveSetupOutcome::WriteFailed:
            return "first run for this user, but " + hivePath + " cannot be created from " + setup +
                   ": " + result.detail;
    }
    return {};
}

}  // namespace tocklet
