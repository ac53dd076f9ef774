// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The instance slot with the session bus as the way in: the lock of the local slot says which
// process runs; a later start asks it over the session bus when it holds the bus name there,
// and over the local socket otherwise (no session bus, or the holder not on it yet). The
// socket also takes scripts' requests ("pause", "resume", "quit", "status") for a session
// without a bus.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/InstanceSlot.h"

namespace tocklet {

class LocalInstanceSlot;
class RemoteClient;
class RemoteControl;
class RemoteCommands;

class BusInstanceSlot final : public InstanceSlot {
public:
    explicit BusInstanceSlot(LocalInstanceSlot& local);
    ~BusInstanceSlot() override;

    /// What the holder serves on the bus while it serves the socket: set before Serve.
    void Publish(RemoteControl& control, RemoteCommands& commands);
    /// Leaves the bus and forgets what Publish was told (before either goes).
    void Unpublish();

    [[nodiscard]] bool TryTake() override;
    [[nodiscard]] Answer AskToShow(std::chrono::milliseconds timeout) override;
    void Serve(std::function<void()> show) override;
    void Leave() override;
    void Rejoin() override;
    void Release() override;

private:
    void ServeBus();
    [[nodiscard]] std::optional<std::string> AnswerOnSocket(std::string_view request);

    LocalInstanceSlot& local_;
    std::unique_ptr<RemoteClient> client_;
    RemoteControl* control_ = nullptr;
    RemoteCommands* commands_ = nullptr;
};

}  // namespace tocklet
