// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/FileWatch.h"

#include <QFile>
#include <filesystem>

namespace tocklet {

FileWatch::FileWatch(std::string path, std::function<void()> changed)
    : path_(std::move(path)), changed_(std::move(changed)), last_(StampOfPath(path_)) {
    const std::string folder = std::filesystem::path(path_).parent_path().string();
    (void)watcher_.addPath(QFile::decodeName(folder.c_str()));
    WatchFile();
    QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged, &watcher_,
                     [this] { Look(); });
    QObject::connect(&watcher_, &QFileSystemWatcher::fileChanged, &watcher_, [this] { Look(); });
}

void FileWatch::WatchFile() {
    // A file replaced by a rename drops out of the watch; the new one is watched again.
    const QString file = QFile::decodeName(path_.c_str());
    if (!watcher_.files().contains(file) && QFile::exists(file)) (void)watcher_.addPath(file);
}

void FileWatch::Look() {
    WatchFile();
    const FileStamp now = StampOfPath(path_);
    if (SameStamp(now, last_)) return;
    last_ = now;
    changed_();
}

}  // namespace tocklet
