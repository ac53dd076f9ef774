// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/Spawn.h"

#include <fcntl.h>
#include <linux/close_range.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

extern char** environ;

namespace tocklet {
namespace {

// Between fork and exec only async-signal-safe calls are made.
[[noreturn]] void ReportAndExit(int fd, int error) {
    ssize_t ignored = write(fd, &error, sizeof error);
    (void)ignored;
    _exit(127);
}

void ResetSignals() {
    struct sigaction dfl {};
    dfl.sa_handler = SIG_DFL;
    for (int sig = 1; sig < NSIG; ++sig) sigaction(sig, &dfl, nullptr);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
}

// Marks every descriptor from 3 on close-on-exec, so the program gets only its standard ones.
void HideDescriptors(int maxFd) {
    if (syscall(SYS_close_range, 3U, ~0U, CLOSE_RANGE_CLOEXEC) == 0) return;
    for (int fd = 3; fd < maxFd; ++fd) {
        int flags = fcntl(fd, F_GETFD);
        if (flags >= 0) fcntl(fd, F_SETFD, flags | FD_CLOEXEC);
    }
}

}  // namespace

int SpawnDetached(const std::string& path, const std::vector<std::string>& args,
                  const std::string& workingDir) {
    if (path.empty()) return ENOENT;
    // Everything the children need is prepared before forking.
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    if (argv.empty()) argv.push_back(const_cast<char*>(path.c_str()));
    argv.push_back(nullptr);
    const char* dir = workingDir.empty() ? nullptr : workingDir.c_str();
    rlimit limit{};
    int maxFd = getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < 65536
                    ? static_cast<int>(limit.rlim_cur)
                    : 65536;

    // The exec's outcome comes back through a close-on-exec pipe: end of file means success.
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) return errno;
    pid_t middle = fork();
    if (middle < 0) {
        int error = errno;
        close(pipeFds[0]);
        close(pipeFds[1]);
        return error;
    }
    if (middle == 0) {
        close(pipeFds[0]);
        pid_t grandchild = fork();
        if (grandchild < 0) ReportAndExit(pipeFds[1], errno);
        if (grandchild > 0) _exit(0);
        setsid();
        ResetSignals();
        if (dir != nullptr && chdir(dir) != 0) ReportAndExit(pipeFds[1], errno);
        HideDescriptors(maxFd);
        execve(path.c_str(), argv.data(), environ);
        ReportAndExit(pipeFds[1], errno);
    }
    close(pipeFds[1]);
    int status = 0;
    while (waitpid(middle, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got;
    do {
        got = read(pipeFds[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    close(pipeFds[0]);
    if (got == static_cast<ssize_t>(sizeof error)) return error != 0 ? error : EIO;
    if (got != 0) return EIO;
    return 0;
}

}  // namespace tocklet
