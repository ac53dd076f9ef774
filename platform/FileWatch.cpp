// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/FileWatch.h"

#include <sys/stat.h>

#include <QFile>
#include <filesystem>

namespace tocklet {

FileWatch::FileWatch(std::string path, std::function<void()> changed)
    : path_(std::move(path)), changed_(std::move(changed)), last_(StampOf(path_)) {
    const std::string folder = std::filesystem::path(path_).parent_path().string();
    (void)watcher_.addPath(QFile::decodeName(folder.c_str()));
    WatchFile();
    QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged, &watcher_,
                     [this] { Look(); });
    QObject::connect(&watcher_, &QFileSystemWatcher::fileChanged, &watcher_, [this] { Look(); });
}

FileWatch::Stamp FileWatch::StampOf(const std::string& path) {
    Stamp s;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return s;
    s.exists = true;
    s.dev = st.st_dev;
    s.ino = st.st_ino;
    s.size = st.st_size;
    s.mtime = st.st_mtim;
    s.ctime = st.st_ctim;
    return s;
}

bool FileWatch::Same(const Stamp& a, const Stamp& b) {
    auto same = [](const timespec& x, const timespec& y) {
        return x.tv_sec == y.tv_sec && x.tv_nsec == y.tv_nsec;
    };
    return a.exists == b.exists && a.dev == b.dev && a.ino == b.ino && a.size == b.size &&
           same(a.mtime, b.mtime) && same(a.ctime, b.ctime);
}

void FileWatch::WatchFile() {
    // A file replaced by a rename drops out of the watch; the new one is watched again.
    const QString file = QFile::decodeName(path_.c_str());
    if (!watcher_.files().contains(file) && QFile::exists(file)) (void)watcher_.addPath(file);
}

void FileWatch::Look() {
    WatchFile();
    const Stamp now = StampOf(path_);
    if (Same(now, last_)) return;
    last_ = now;
    changed_();
}

}  // namespace tocklet
