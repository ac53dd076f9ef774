// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The program's own files on a POSIX system: writing whole buffers, replacing a file so that a
// crash leaves the old or the new one, the config home, and private folders.

#include <sys/stat.h>
#include <sys/types.h>

#include <ctime>
#include <functional>
#include <string>
#include <string_view>

namespace tocklet {

/// What tells one version of a file from another without reading it: which file it is, its
/// size and its times. A file replaced by a rename gets another inode; a rewrite, other times.
struct FileStamp {
    bool exists = false;
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = -1;
    timespec mtime{};
    timespec ctime{};
};

/// The stamp of what st describes.
[[nodiscard]] FileStamp StampOf(const struct stat& st);
/// The stamp of the file at path; one that does not exist when it cannot be looked at.
[[nodiscard]] FileStamp StampOfPath(const std::string& path);
/// True when both stamps say the same version (or both say there is no file).
[[nodiscard]] bool SameStamp(const FileStamp& a, const FileStamp& b);

/// Writes all of data to fd, going on after interruptions; false on any error.
[[nodiscard]] bool WriteAll(int fd, std::string_view data);

/// Reads fd to its end, appending to out; false on a read error.
[[nodiscard]] bool ReadAll(int fd, std::string* out);

/// Points in a replacement: the temporary file is complete and synced; it has replaced the file.
enum class ReplaceStep { TempSynced, Renamed };

/// Called at each step; returning false fails the replacement there as an I/O error would
/// (lets tests stand in for a full disk or a crash at that point).
using ReplaceHook = std::function<bool(ReplaceStep)>;

enum class ReplaceResult {
    Done,         ///< replaced and the folder synced
    NotReplaced,  ///< the file is as it was
    NotDurable,   ///< replaced, but the folder could not be synced: a crash may undo it
};

/// Replaces the file at path by data: writes "<path>.tmp.XXXXXX" beside it with mode, syncs
/// it, renames it over path and syncs the folder. The folder must exist. error, when given,
/// says what failed.
[[nodiscard]] ReplaceResult ReplaceFile(const std::string& path, std::string_view data, mode_t mode,
                                        std::string* error = nullptr, const ReplaceHook& hook = {});

/// The temporary files ReplaceFile makes for path begin with this name.
[[nodiscard]] std::string ReplaceTempPrefix(const std::string& path);

/// The user's config home: $XDG_CONFIG_HOME when it holds an absolute path, else
/// $HOME/.config (the home folder from the password database when HOME is unset); without
/// trailing slashes.
[[nodiscard]] std::string ConfigHome();

/// Creates the folder and its missing parents, each with mode 0700 whatever the umask;
/// folders that exist keep their mode. True when path is a folder afterwards; else errno says
/// why not.
[[nodiscard]] bool MakePrivateFolders(const std::string& path);

/// The folder part of path ("." when there is none, "/" for the root).
[[nodiscard]] std::string FolderOf(const std::string& path);

}  // namespace tocklet
