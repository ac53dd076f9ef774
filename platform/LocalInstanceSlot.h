// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The instance slot as a locked file and a local socket in the user's runtime folder.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/InstanceSlot.h"

class QSocketNotifier;

namespace tocklet {

/// The slot of one display in folder: the file "tocklet-<display>.lock", locked with flock()
/// by the holder (the kernel lets go when the holder ends, however it ends; the file names the
/// holder's process), and the socket
/// "tocklet-<display>.socket" on which the holder takes requests of later starts ("show\n",
/// answered "shown\n"). Requests are served once Serve was called, with a Qt application
/// running; taking the slot and asking need no Qt.
class LocalInstanceSlot final : public InstanceSlot {
public:
    LocalInstanceSlot(const std::string& folder, const std::string& display);
    ~LocalInstanceSlot() override;

    [[nodiscard]] bool TryTake() override;
    [[nodiscard]] Answer AskToShow(std::chrono::milliseconds timeout) override;
    void Serve(std::function<void()> show) override;
    void Leave() override;
    void Rejoin() override;
    void Release() override;

    /// While serving: requests other than "show" (one line each, without its newline) are
    /// answered with what answer gives; nothing leaves the request unanswered.
    void ServeMore(std::function<std::optional<std::string>(std::string_view)> answer);
    /// Sends request (one line, without its newline) to the holder and gives its whole answer;
    /// nothing when nobody took it or the answer did not come within timeout.
    [[nodiscard]] std::optional<std::string> Ask(std::string_view request,
                                                 std::chrono::milliseconds timeout) const;

    /// The process holding the lock, as it wrote itself into the lock file; 0 when unknown.
    [[nodiscard]] long HolderPid() const;

private:
    [[nodiscard]] bool RunUnguarded(const std::string& why);
    void NameHolder();
    void Listen();
    void WatchRequests();
    void TakeRequests();
    void AnswerRequest(int connection);
    void AnswerMore(int connection, std::string_view line);

    std::string lockPath_;
    std::string socketPath_;
    int lockFd_ = -1;
    int listenFd_ = -1;
    bool held_ = false;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void()> show_;
    std::function<std::optional<std::string>(std::string_view)> more_;
};

/// The folder for the slots of this user: $XDG_RUNTIME_DIR when it is an absolute path, else
/// /tmp/tocklet-<uid>, created with mode 0700 and taken only when this user owns it and
/// nobody else may use it; empty when there is no such folder.
[[nodiscard]] std::string InstanceFolder();

/// The display as a file-name part: display (the X display, as in $DISPLAY) without its
/// screen number and with "unix" as host dropped, so ":0", ":0.0" and "unix:0" are one
/// display; else waylandDisplay; else "none". A '/' becomes '_'.
[[nodiscard]] std::string DisplayKey(const char* display, const char* waylandDisplay);

}  // namespace tocklet
