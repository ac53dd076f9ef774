// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/LocalInstanceSlot.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string_view>

namespace tocklet {
namespace {

constexpr std::string_view kRequest = "show\n";
constexpr std::string_view kShown = "shown\n";
// How long the holder waits for the request of a start that has connected.
constexpr int kRequestWaitMs = 200;

[[nodiscard]] std::optional<sockaddr_un> SocketAddress(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return std::nullopt;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return address;
}

// poll() for one descriptor, restarted after signals.
[[nodiscard]] int PollOne(int fd, short events, int timeoutMs) {
    pollfd p{fd, events, 0};
    int ready;
    while ((ready = poll(&p, 1, timeoutMs)) < 0 && errno == EINTR) {
    }
    return ready;
}

// Everything the holder sends until it closes the connection; nothing when it sent nothing
// in time.
[[nodiscard]] std::optional<std::string> ReadAnswer(int fd, std::chrono::milliseconds timeout) {
    using Steady = std::chrono::steady_clock;
    const Steady::time_point deadline = Steady::now() + timeout;
    std::string answer;
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Steady::now());
        if (left.count() <= 0 || PollOne(fd, POLLIN, static_cast<int>(left.count())) <= 0) {
            return std::nullopt;
        }
        char chunk[512];
        const ssize_t got = recv(fd, chunk, sizeof chunk, 0);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return std::nullopt;
        if (got == 0) break;
        answer.append(chunk, static_cast<std::size_t>(got));
    }
    if (answer.empty()) return std::nullopt;
    return answer;
}

}  // namespace

LocalInstanceSlot::LocalInstanceSlot(const std::string& folder, const std::string& display) {
    if (folder.empty()) return;
    lockPath_ = folder + "/tocklet-" + display + ".lock";
    socketPath_ = folder + "/tocklet-" + display + ".socket";
}

LocalInstanceSlot::~LocalInstanceSlot() { Release(); }

bool LocalInstanceSlot::TryTake() {
    if (held_) return true;
    if (lockPath_.empty()) return RunUnguarded("no private runtime folder");
    const int fd = open(lockPath_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return RunUnguarded(lockPath_ + ": " + std::strerror(errno));
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        close(fd);
        if (error == EWOULDBLOCK || error == EINTR) return false;
        return RunUnguarded(lockPath_ + ": " + std::strerror(error));
    }
    lockFd_ = fd;
    held_ = true;
    NameHolder();
    Listen();
    return true;
}

void LocalInstanceSlot::NameHolder() {
    const std::string pid = std::to_string(getpid()) + '\n';
    if (ftruncate(lockFd_, 0) != 0 ||
        pwrite(lockFd_, pid.data(), pid.size(), 0) != static_cast<ssize_t>(pid.size())) {
        // Later starts then ask over the socket only; the lock still decides.
    }
}

long LocalInstanceSlot::HolderPid() const {
    if (lockPath_.empty()) return 0;
    const int fd = open(lockPath_.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return 0;
    char text[24] = {};
    const ssize_t got = pread(fd, text, sizeof text - 1, 0);
    close(fd);
    return got > 0 ? std::strtol(text, nullptr, 10) : 0;
}

bool LocalInstanceSlot::RunUnguarded(const std::string& why) {
    // Nothing can tell two instances apart now: run rather than not at all.
    std::fprintf(stderr, "tocklet: %s; not checking for another instance\n", why.c_str());
    held_ = true;
    return true;
}

void LocalInstanceSlot::Listen() {
    const auto address = SocketAddress(socketPath_);
    if (!address) return;
    // Whoever holds the lock owns the socket's name: one left by an instance that ended is
    // replaced.
    unlink(socketPath_.c_str());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return;
    const mode_t mask = umask(077);
    const bool bound = bind(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0;
    umask(mask);
    if (!bound || listen(fd, 8) != 0) {
        close(fd);
        return;
    }
    listenFd_ = fd;
}

InstanceSlot::Answer LocalInstanceSlot::AskToShow(std::chrono::milliseconds timeout) {
    const auto address = SocketAddress(socketPath_);
    if (!address) return Answer::kNoHolder;
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return Answer::kNoHolder;
    Answer answer = Answer::kNoHolder;
    if (connect(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0) {
        // A full backlog: the holder is alive but not taking requests now.
        if (errno == EAGAIN) answer = Answer::kSilent;
    } else if (send(fd, kRequest.data(), kRequest.size(), MSG_NOSIGNAL) ==
               static_cast<ssize_t>(kRequest.size())) {
        const auto waitMs = static_cast<int>(std::max<std::int64_t>(timeout.count(), 0));
        if (PollOne(fd, POLLIN, waitMs) == 0) {
            answer = Answer::kSilent;
        } else {
            char reply[16];
            const ssize_t got = recv(fd, reply, sizeof reply, 0);
            if (got >= 0 && std::string_view(reply, static_cast<std::size_t>(got)) == kShown) {
                answer = Answer::kShown;
            }
        }
    }
    close(fd);
    return answer;
}

void LocalInstanceSlot::Serve(std::function<void()> show) {
    show_ = std::move(show);
    WatchRequests();
}

void LocalInstanceSlot::WatchRequests() {
    if (listenFd_ < 0 || notifier_) return;
    notifier_ = std::make_unique<QSocketNotifier>(listenFd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this] { TakeRequests(); });
}

void LocalInstanceSlot::TakeRequests() {
    int connection;
    while ((connection = accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0) {
        AnswerRequest(connection);
        close(connection);
    }
}

void LocalInstanceSlot::AnswerRequest(int connection) {
    // Only this user's own starts may ask (the folder is private; this says so again).
    ucred peer{};
    socklen_t size = sizeof peer;
    if (getsockopt(connection, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 ||
        peer.uid != getuid()) {
        return;
    }
    if (PollOne(connection, POLLIN, kRequestWaitMs) <= 0) return;
    char request[16];
    const ssize_t got = recv(connection, request, sizeof request, MSG_DONTWAIT);
    if (got <= 0) return;
    const std::string_view line(request, static_cast<std::size_t>(got));
    if (line != kRequest) return AnswerMore(connection, line);
    if (!show_) return;
    show_();
    send(connection, kShown.data(), kShown.size(), MSG_NOSIGNAL);
}

void LocalInstanceSlot::AnswerMore(int connection, std::string_view line) {
    if (!more_ || line.back() != '\n') return;
    const std::optional<std::string> answer = more_(line.substr(0, line.size() - 1));
    if (!answer) return;
    for (std::size_t sent = 0; sent < answer->size();) {
        const ssize_t n =
            send(connection, answer->data() + sent, answer->size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        sent += static_cast<std::size_t>(n);
    }
}

void LocalInstanceSlot::ServeMore(
    std::function<std::optional<std::string>(std::string_view)> answer) {
    more_ = std::move(answer);
}

std::optional<std::string> LocalInstanceSlot::Ask(std::string_view request,
                                                  std::chrono::milliseconds timeout) const {
    const auto address = SocketAddress(socketPath_);
    if (!address) return std::nullopt;
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return std::nullopt;
    const std::string line = std::string(request) + '\n';
    std::optional<std::string> answer;
    if (connect(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0 &&
        send(fd, line.data(), line.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(line.size())) {
        answer = ReadAnswer(fd, timeout);
    }
    close(fd);
    return answer;
}

void LocalInstanceSlot::Leave() {
    // The show function stays for Rejoin; nothing calls it while no request is taken.
    notifier_.reset();
    if (listenFd_ >= 0) close(listenFd_);
    listenFd_ = -1;
}

void LocalInstanceSlot::Rejoin() {
    // Only the holder of the lock may own the socket's name again.
    if (lockFd_ < 0) return;
    if (listenFd_ < 0) Listen();
    if (show_) WatchRequests();
}

void LocalInstanceSlot::Release() {
    Leave();
    show_ = {};
    more_ = {};
    if (lockFd_ >= 0) {
        // The socket's name goes while the lock still says it is ours.
        unlink(socketPath_.c_str());
        close(lockFd_);
    }
    lockFd_ = -1;
    held_ = false;
}

std::string InstanceFolder() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && runtime[0] == '/') {
        return runtime;
    }
    const std::string folder = "/tmp/tocklet-" + std::to_string(getuid());
    mkdir(folder.c_str(), 0700);
    struct stat info {};
    if (lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid() ||
        (info.st_mode & 077) != 0) {
        return {};
    }
    return folder;
}

std::string DisplayKey(const char* display, const char* waylandDisplay) {
    std::string key;
    if (display && display[0] != '\0') {
        key = display;
        const std::size_t colon = key.rfind(':');
        if (colon != std::string::npos) {
            const std::size_t dot = key.find('.', colon);
            if (dot != std::string::npos) key.resize(dot);
            if (key.compare(0, colon, "unix") == 0) key.erase(0, colon);
        }
    } else if (waylandDisplay && waylandDisplay[0] != '\0') {
        key = waylandDisplay;
    } else {
        key = "none";
    }
    for (char& c : key) {
        if (c == '/') c = '_';
    }
    return key;
}

}  // namespace tocklet
