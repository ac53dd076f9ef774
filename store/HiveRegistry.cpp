// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "store/HiveRegistry.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace tocklet {
namespace {

constexpr std::uint32_t kKeyQueryValue = 0x0001;
constexpr std::uint32_t kKeySetValue = 0x0002;

std::string ErrnoText(int err) { return std::strerror(err); }

// An flock held on a file for the life of the object.
class FileLock {
public:
    FileLock() = default;
    ~FileLock() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Shares the lock of an existing lock file. Without one (no writer has run yet) or the
    // lock, a read goes on unlocked: writers rename whole files into place, so it sees the old
    // file or the new one, and the lock only spares it reading during a write.
    void ShareWhenPossible(const std::string& path) {
        fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd_ >= 0 && !Lock(LOCK_SH)) {
            ::close(fd_);
            fd_ = -1;
        }
    }

    // Takes the lock alone, creating the lock file when missing.
    [[nodiscard]] bool Exclusive(const std::string& path, std::string* error) {
        fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd_ >= 0 && Lock(LOCK_EX)) return true;
        if (error) *error = "cannot lock " + path + ": " + ErrnoText(errno);
        return false;
    }

private:
    [[nodiscard]] bool Lock(int op) {
        while (::flock(fd_, op) != 0) {
            if (errno != EINTR) return false;
        }
        return true;
    }

    int fd_ = -1;
};

std::string BaseOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

HiveRegistry::HiveRegistry(std::string path, WriteHook hook)
    : path_(std::move(path)), lockPath_(path_ + ".lock"), hook_(std::move(hook)) {
    Refresh(Lock::Take);
}

void HiveRegistry::Refresh(Lock lock) {
    FileLock shared;
    // Writers replace the file by renaming, so a reader without the lock still sees a whole
    // file; the shared lock only keeps it from reading while a write is under way.
    if (lock == Lock::Take) shared.ShareWhenPossible(lockPath_);
    int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        int err = errno;
        if (err == ENOENT) {
            if (!stamp_ || stamp_->exists) {
                hive_ = Hive();
                problem_.reset();
                stamp_ = Stamp{};
            }
            return;
        }
        hive_ = Hive();
        stamp_.reset();
        problem_ = "The registry file " + path_ + " cannot be read: " + ErrnoText(err);
        problemLine_ = 0;
        return;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        hive_ = Hive();
        stamp_.reset();
        problem_ = "The registry file " + path_ + " is not a readable regular file";
        problemLine_ = 0;
        ::close(fd);
        return;
    }
    const Stamp now = StampOf(st);
    const bool same = stamp_ && stamp_->exists && SameStamp(*stamp_, now);
    // A writer never trusts the stamp: a file replaced twice within one tick of the file
    // system's clock can come back with a reused inode number, the same size and the same
    // times, and building on a stale copy would drop the other process's write.
    if (!same || lock == Lock::Held) Load(fd, now);
    ::close(fd);
}

void HiveRegistry::Load(int fd, const Stamp& stamp) {
    hive_ = Hive();
    problemLine_ = 0;
    std::string text;
    if (!ReadAll(fd, &text)) {
        stamp_.reset();
        problem_ = "The registry file " + path_ + " cannot be read: " + ErrnoText(errno);
        return;
    }
    stamp_ = stamp;
    std::vector<RegOp> ops;
    RegParseError error;
    if (!ParseRegFile(text, &ops, &error)) {
        problemLine_ = error.line;
        problem_ = "The registry file " + path_ + " is damaged at line " +
                   std::to_string(error.line) + ": " + error.reason +
                   ". It is left as it is and nothing is read from or written to it until it "
                   "is repaired.";
        return;
    }
    if (!ApplyRegOps(hive_, ops)) {
        hive_ = Hive();
        problem_ = "The registry file " + path_ +
                   " holds a key or value that cannot be stored. It is left as it is and "
                   "nothing is read from or written to it until it is repaired.";
        return;
    }
    problem_.reset();
}

RegStatus HiveRegistry::OpenKey(RegRoot root, std::string_view path, std::uint32_t access,
                                RegKey* key) {
    if (key == nullptr) return kRegInvalidParameter;
    *key = 0;
    Refresh(Lock::Take);
    if (problem_) return kRegFileNotFound;
    std::string full(root == RegRoot::LocalMachine ? kRootLocalMachine : kRootCurrentUser);
    // The roots always exist; any other key only once an installer or import created it.
    if (!path.empty()) {
        full = NormalizeKeyPath(full + '\\' + std::string(path));
        if (full.empty() || !hive_.KeyExists(full)) return kRegFileNotFound;
    }
    RegKey handle = nextHandle_++;
    if (nextHandle_ == 0) nextHandle_ = 1;
    handles_[handle] = OpenHandle{std::move(full), access};
    *key = handle;
    return kRegOk;
}

RegStatus HiveRegistry::QueryValue(RegKey key, std::string_view name, std::uint32_t* type,
                                   std::uint8_t* buffer, std::uint32_t* size) {
    auto it = handles_.find(key);
    if (it == handles_.end()) return kRegInvalidHandle;
    if ((it->second.access & kKeyQueryValue) == 0) return kRegAccessDenied;
    if (buffer != nullptr && size == nullptr) return kRegInvalidParameter;
    Refresh(Lock::Take);
    const RegValue* value = hive_.GetValue(it->second.path, name);
    if (value == nullptr) return kRegFileNotFound;
    auto needed = static_cast<std::uint32_t>(value->bytes.size());
    if (type != nullptr) *type = value->type;
    if (buffer == nullptr) {
        if (size != nullptr) *size = needed;
        return kRegOk;
    }
    if (*size < needed) {
        *size = needed;
        return kRegMoreData;
    }
    if (needed > 0) std::memcpy(buffer, value->bytes.data(), needed);
    *size = needed;
    return kRegOk;
}

RegStatus HiveRegistry::SetValue(RegKey key, std::string_view name, std::uint32_t type,
                                 const std::uint8_t* data, std::uint32_t size) {
    auto it = handles_.find(key);
    if (it == handles_.end()) return kRegInvalidHandle;
    if ((it->second.access & kKeySetValue) == 0) return kRegAccessDenied;
    if ((data == nullptr && size > 0) || !IsValidValueName(name)) return kRegInvalidParameter;
    RegValue value{type, size > 0 ? std::string(reinterpret_cast<const char*>(data), size) : ""};
    const std::string& path = it->second.path;
    return Commit(
        [&](Hive& hive) {
            // A root is always there; a key deleted by another process since it was opened is
            // not brought back.
            if (!hive.KeyExists(path)) {
                if (path.find('\\') != std::string::npos) return kRegFileNotFound;
                if (!hive.CreateKey(path)) return kRegInvalidParameter;
            }
            return hive.SetValue(path, name, std::move(value)) ? kRegOk : kRegInvalidParameter;
        },
        nullptr);
}

RegStatus HiveRegistry::CloseKey(RegKey key) {
    return handles_.erase(key) == 1 ? kRegOk : kRegInvalidHandle;
}

RegStatus HiveRegistry::Import(const std::vector<RegOp>& ops, std::string* error) {
    return Commit(
        [&](Hive& hive) { return ApplyRegOps(hive, ops) ? kRegOk : kRegInvalidParameter; }, error);
}

RegStatus HiveRegistry::CreateFrom(const std::vector<RegOp>& ops, bool* created,
                                   std::string* error) {
    *created = false;
    FileLock lock;
    if (!lock.Exclusive(lockPath_, error)) return kRegWriteFault;
    // Under the writers' lock, so no other process can create the file between this look and
    // the rename below.
    struct stat st {};
    if (::lstat(path_.c_str(), &st) == 0) return kRegOk;
    if (errno != ENOENT) {
        if (error) *error = "cannot look at " + path_ + ": " + ErrnoText(errno);
        return kRegWriteFault;
    }
    Hive next;
    if (!ApplyRegOps(next, ops)) {
        if (error) *error = "the setup file holds a key or value that cannot be stored";
        return kRegInvalidParameter;
    }
    std::optional<Stamp> stamp;
    if (!WriteFile(FormatRegFile(next), &stamp, error)) {
        stamp_.reset();
        return kRegWriteFault;
    }
    hive_ = std::move(next);
    stamp_ = stamp;
    problem_.reset();
    *created = true;
    return kRegOk;
}

std::optional<Hive> HiveRegistry::Contents() {
    Refresh(Lock::Take);
    if (problem_) return std::nullopt;
    return hive_;
}

RegStatus HiveRegistry::Commit(const std::function<RegStatus(Hive&)>& change, std::string* error) {
    FileLock lock;
    if (!lock.Exclusive(lockPath_, error)) return kRegWriteFault;
    Refresh(Lock::Held);
    if (problem_) {
        if (error) *error = *problem_;
        return kRegWriteFault;
    }
    Hive next = hive_;
    RegStatus status = change(next);
    if (status != kRegOk) {
        if (error) {
            *error = status == kRegFileNotFound ? "the key no longer exists"
                                                : "a key or value cannot be stored";
        }
        return status;
    }
    std::optional<Stamp> stamp;
    if (!WriteFile(FormatRegFile(next), &stamp, error)) {
        stamp_.reset();  // the file may or may not have been replaced: read it again
        return kRegWriteFault;
    }
    hive_ = std::move(next);
    stamp_ = stamp;
    return kRegOk;
}

bool HiveRegistry::WriteFile(const std::string& text, std::optional<Stamp>* stamp,
                             std::string* error) {
    RemoveStaleTemps();
    if (ReplaceFile(path_, text, 0600, error, hook_) != ReplaceResult::Done) return false;
    // Stamped after the rename, which on some file systems changes the file's ctime; without a
    // stamp the next read simply loads the file again.
    struct stat st {};
    if (::stat(path_.c_str(), &st) == 0) {
        *stamp = StampOf(st);
    }
    return true;
}

void HiveRegistry::RemoveStaleTemps() const {
    // Only called under the exclusive lock: a temporary file seen now was left by a writer
    // that died before its rename.
    DIR* dir = ::opendir(FolderOf(path_).c_str());
    if (dir == nullptr) return;
    const std::string prefix = BaseOf(ReplaceTempPrefix(path_));
    while (dirent* entry = ::readdir(dir)) {
        std::string_view name(entry->d_name);
        if (name.size() == prefix.size() + 6 && name.substr(0, prefix.size()) == prefix) {
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
        }
    }
    ::closedir(dir);
}

}  // namespace tocklet
