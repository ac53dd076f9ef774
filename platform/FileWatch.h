// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Tells when a file changed: replaced by a rename (as the registry file's atomic writes
// replace it), written in place, created or removed. Its folder is watched too, since a file
// replaced by a rename is a new file that a watch on the old one never sees. Events that
// leave the file as it was (another file of the folder, a lock taken) are not passed on.

#include <sys/types.h>

#include <QFileSystemWatcher>
#include <ctime>
#include <functional>
#include <string>

#include "store/Files.h"

namespace tocklet {

class FileWatch {
public:
    /// Calls changed from the event loop after each change of the file at path.
    FileWatch(std::string path, std::function<void()> changed);
    FileWatch(const FileWatch&) = delete;
    FileWatch& operator=(const FileWatch&) = delete;

private:
    void Look();
    void WatchFile();

    std::string path_;
    std::function<void()> changed_;
    QFileSystemWatcher watcher_;
    FileStamp last_;
};

}  // namespace tocklet
