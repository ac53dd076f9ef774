// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "store/Files.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace tocklet {

FileStamp StampOf(const struct stat& st) {
    return FileStamp{true, st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim};
}

FileStamp StampOfPath(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return FileStamp{};
    return StampOf(st);
}

bool SameStamp(const FileStamp& a, const FileStamp& b) {
    const auto same = [](const timespec& x, const timespec& y) {
        return x.tv_sec == y.tv_sec && x.tv_nsec == y.tv_nsec;
    };
    return a.exists == b.exists && a.dev == b.dev && a.ino == b.ino && a.size == b.size &&
           same(a.mtime, b.mtime) && same(a.ctime, b.ctime);
}
namespace {

std::string EnvPath(const char* name) {
    const char* v = std::getenv(name);
    return v == nullptr ? std::string() : std::string(v);
}

bool IsFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR) continue;
        // Nothing written for a non-empty buffer is no progress either: give up, not spin.
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool ReadAll(int fd, std::string* out) {
    char buf[65536];
    while (true) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        out->append(buf, static_cast<std::size_t>(n));
    }
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string ReplaceTempPrefix(const std::string& path) { return path + ".tmp."; }

ReplaceResult ReplaceFile(const std::string& path, std::string_view data, mode_t mode,
                          std::string* error, const ReplaceHook& hook) {
    auto fail = [&](ReplaceResult result, const std::string& what, int err) {
        if (error) *error = what + ": " + std::strerror(err);
        return result;
    };
    std::string temp = ReplaceTempPrefix(path) + "XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        return fail(ReplaceResult::NotReplaced, "cannot create a temporary file beside " + path,
                    errno);
    }
    bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, data) && ::fsync(fd) == 0;
    int err = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && hook && !hook(ReplaceStep::TempSynced)) {
        ok = false;
        err = EIO;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return fail(ReplaceResult::NotReplaced, "cannot write " + temp, err);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        err = errno;
        ::unlink(temp.c_str());
        return fail(ReplaceResult::NotReplaced, "cannot replace " + path, err);
    }
    const std::string syncFailed = "cannot sync the folder of " + path;
    if (hook && !hook(ReplaceStep::Renamed))
        return fail(ReplaceResult::NotDurable, syncFailed, EIO);
    const int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return fail(ReplaceResult::NotDurable, syncFailed, errno);
    ok = ::fsync(dir) == 0;
    err = errno;
    ::close(dir);
    if (!ok) return fail(ReplaceResult::NotDurable, syncFailed, err);
    return ReplaceResult::Done;
}

std::string ConfigHome() {
    // A relative XDG_CONFIG_HOME is not valid and counts as unset.
    std::string base = EnvPath("XDG_CONFIG_HOME");
    if (base.empty() || base.front() != '/') {
        std::string home = EnvPath("HOME");
        if (home.empty()) {
            if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir) {
                home = pw->pw_dir;
            }
        }
        base = home + "/.config";
    }
    while (!base.empty() && base.back() == '/') base.pop_back();
    return base;
}

bool MakePrivateFolders(const std::string& path) {
    if (path.empty() || IsFolder(path)) return !path.empty();
    const std::size_t slash = path.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !MakePrivateFolders(path.substr(0, slash))) {
        return false;
    }
    if (::mkdir(path.c_str(), 0700) == 0) {
        // The umask may have taken bits off; the folder is the user's alone either way.
        ::chmod(path.c_str(), 0700);
        return true;
    }
    // Another process may have made it meanwhile; if not, errno says why: what is there in
    // its place is no folder, or why mkdir failed.
    const int error = errno;
    if (IsFolder(path)) return true;
    errno = error == EEXIST ? ENOTDIR : error;
    return false;
}

}  // namespace tocklet
