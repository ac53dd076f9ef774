// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The registry kept in one REGEDIT4 file. Every write is durable, atomic and serialized with
// other processes: it takes an exclusive lock on "<file>.lock", re-reads the file when another
// process changed it, writes a temporary file (mode 0600) beside it, syncs it, renames it over
// the file and syncs the folder. Reads re-read the file under a shared lock when it changed.
// A file that does not parse is never overwritten: the store then acts empty and Problem()
// says why.

#include <sys/types.h>

#include <ctime>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "store/Files.h"
#include "store/Hive.h"
#include "store/RegFile.h"
#include "store/Registry.h"

namespace tocklet {

class HiveRegistry : public Registry {
public:
    /// Points in a write, after the temporary file is complete and synced and after it has
    /// replaced the registry file.
    using WriteStep = ReplaceStep;

    /// Called at each step of a write; returning false fails the write there as an I/O error
    /// would (lets tests stand in for a full disk or a crash at that point).
    using WriteHook = ReplaceHook;

    /// Reads the file at path (missing means empty); nothing is created before the first write.
    explicit HiveRegistry(std::string path, WriteHook hook = {});

    [[nodiscard]] RegStatus OpenKey(RegRoot root, std::string_view path, std::uint32_t access,
                                    RegKey* key) override;
    [[nodiscard]] RegStatus QueryValue(RegKey key, std::string_view name, std::uint32_t* type,
                                       std::uint8_t* buffer, std::uint32_t* size) override;
    [[nodiscard]] RegStatus SetValue(RegKey key, std::string_view name, std::uint32_t type,
                                     const std::uint8_t* data, std::uint32_t size) override;
    [[nodiscard]] RegStatus CloseKey(RegKey key) override;

    /// Why the store acts empty (a damaged or unreadable file, named with the line at fault);
    /// nullopt when the file was read (or is missing) at the last look.
    [[nodiscard]] std::optional<std::string> Problem() const { return problem_; }

    /// The line at fault while Problem() names a damaged file; 0 when there is no problem or
    /// the file could not be read at all.
    [[nodiscard]] int ProblemLine() const { return problem_ ? problemLine_ : 0; }

    /// Applies parsed .reg operations in one locked write; unlike SetValue this creates keys.
    /// On failure nothing is written and error (when given) says why.
    [[nodiscard]] RegStatus Import(const std::vector<RegOp>& ops, std::string* error = nullptr);

    /// Creates the registry file from ops, as Import would into an empty registry, only when
    /// no file of any kind is at Path(); *created tells whether it did. An existing file, even
    /// a damaged or empty one, is left exactly as it is. On failure nothing is created and
    /// error (when given) says why.
    [[nodiscard]] RegStatus CreateFrom(const std::vector<RegOp>& ops, bool* created,
                                       std::string* error = nullptr);

    /// The current contents (re-read when the file changed); nullopt while Problem() is set.
    [[nodiscard]] std::optional<Hive> Contents();

    [[nodiscard]] const std::string& Path() const { return path_; }

private:
    using Stamp = FileStamp;
    struct OpenHandle {
        std::string path;
        std::uint32_t access = 0;
    };

    enum class Lock { Take, Held };
    // Re-reads the file when it changed since the last read (or always, under the exclusive
    // lock before a write); takes the shared lock unless the caller holds the exclusive one.
    void Refresh(Lock lock);
    void Load(int fd, const Stamp& stamp);
    [[nodiscard]] RegStatus Commit(const std::function<RegStatus(Hive&)>& change,
                                   std::string* error);
    [[nodiscard]] bool WriteFile(const std::string& text, std::optional<Stamp>* stamp,
                                 std::string* error);
    void RemoveStaleTemps() const;

    std::string path_;
    std::string lockPath_;
    WriteHook hook_;
    Hive hive_;
    std::optional<Stamp> stamp_;  // of the file last read; nullopt when it must be read again
    std::optional<std::string> problem_;
    int problemLine_ = 0;
    std::map<RegKey, OpenHandle> handles_;
    RegKey nextHandle_ = 1;
};

}  // namespace tocklet
