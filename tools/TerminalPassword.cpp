// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "tools/TerminalPassword.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <csignal>

namespace tocklet {
namespace {

constexpr std::size_t kLongestLine = 256;

// The terminal as it was, for a signal that ends the program while echo is off.
volatile sig_atomic_t g_ttyFd = -1;
termios g_saved{};

constexpr std::array<int, 4> kEndingSignals{SIGINT, SIGTERM, SIGHUP, SIGQUIT};

extern "C" void RestoreEchoAndEnd(int sig) {
    if (g_ttyFd >= 0) (void)::tcsetattr(g_ttyFd, TCSANOW, &g_saved);
    ::signal(sig, SIG_DFL);
    ::raise(sig);
}

// Echo off while it lives, back on (and the signal handlers as they were) when it ends.
class QuietTerminal {
public:
    QuietTerminal(int fd, const termios& saved) : fd_(fd) {
        g_saved = saved;
        g_ttyFd = fd;
        struct sigaction restore {};
        restore.sa_handler = RestoreEchoAndEnd;
        sigemptyset(&restore.sa_mask);
        for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
            (void)::sigaction(kEndingSignals[i], &restore, &previous_[i]);
        }
        termios quiet = saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        quiet.c_lflag |= ECHONL;  // the Enter key still ends the line on screen
        ok_ = ::tcsetattr(fd, TCSANOW, &quiet) == 0;
    }
    ~QuietTerminal() {
        (void)::tcsetattr(fd_, TCSANOW, &g_saved);
        g_ttyFd = -1;
        for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
            (void)::sigaction(kEndingSignals[i], &previous_[i], nullptr);
        }
    }
    QuietTerminal(const QuietTerminal&) = delete;
    QuietTerminal& operator=(const QuietTerminal&) = delete;

    [[nodiscard]] bool Ok() const { return ok_; }

private:
    int fd_;
    bool ok_ = false;
    std::array<struct sigaction, kEndingSignals.size()> previous_{};
};

[[nodiscard]] bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0) return false;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// One line without its end; nullopt when the input ended before any line did.
[[nodiscard]] std::optional<std::string> ReadLine(int fd) {
    std::string line;
    char c = 0;
    for (;;) {
        const ssize_t n = ::read(fd, &c, 1);
        if (n <= 0) return std::nullopt;
        if (c == '\n') return line;
        if (line.size() < kLongestLine) line += c;
    }
}

}  // namespace

std::optional<std::string> TerminalPassword::Ask(std::string_view prompt) {
    const int fd = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::optional<std::string> typed;
    termios saved{};
    if (::tcgetattr(fd, &saved) == 0) {
        // Echo goes off before the prompt shows, so nothing typed after it is ever echoed.
        QuietTerminal quiet(fd, saved);
        if (quiet.Ok() && WriteAll(fd, prompt)) typed = ReadLine(fd);
    }
    ::close(fd);
    return typed;
}

}  // namespace tocklet
