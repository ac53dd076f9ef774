// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/BusInstanceSlot.h"

#include <QTimer>

#include "platform/DBusRemoteControl.h"
#include "platform/LocalInstanceSlot.h"
#include "platform/RemoteClient.h"
#include "platform/RemoteControl.h"

namespace tocklet {

BusInstanceSlot::BusInstanceSlot(LocalInstanceSlot& local) : local_(local) {}

BusInstanceSlot::~BusInstanceSlot() = default;

void BusInstanceSlot::Publish(RemoteControl& control, RemoteCommands& commands) {
    control_ = &control;
    commands_ = &commands;
}

void BusInstanceSlot::Unpublish() {
    if (control_) control_->Leave();
    control_ = nullptr;
    commands_ = nullptr;
}

bool BusInstanceSlot::TryTake() {
    if (!local_.TryTake()) return false;
    // The holder serves the bus on the application's own connection; the one for asking goes.
    client_.reset();
    return true;
}

InstanceSlot::Answer BusInstanceSlot::AskToShow(std::chrono::milliseconds timeout) {
    if (!client_) client_ = std::make_unique<RemoteClient>();
    const unsigned owner = client_->OwnerPid();
    const long holder = local_.HolderPid();
    // Only the lock's holder is asked: a name held by the program on another display (one
    // session bus, two displays) would show the wrong panel.
    if (owner == 0 || (holder > 0 && owner != static_cast<unsigned long>(holder))) {
        return local_.AskToShow(timeout);
    }
    switch (client_->Call(QStringLiteral("ShowPanel"), {}, timeout)) {
        case RemoteClient::Answer::kDone:
            return Answer::kShown;
        case RemoteClient::Answer::kSilent:
            return Answer::kSilent;
        case RemoteClient::Answer::kNoInstance:
            break;
    }
    return Answer::kNoHolder;
}

void BusInstanceSlot::Serve(std::function<void()> show) {
    // The socket takes the requests of scripts too, for a session without a bus.
    local_.ServeMore([this](std::string_view request) { return AnswerOnSocket(request); });
    local_.Serve(std::move(show));
    ServeBus();
}

std::optional<std::string> BusInstanceSlot::AnswerOnSocket(std::string_view request) {
    if (!commands_) return std::nullopt;
    if (request == "status") {
        std::string lines;
        for (const std::string& line : StatusLines(StatusMap(commands_->Status()))) {
            lines += line + '\n';
        }
        return lines;
    }
    if (request == "pause") {
        commands_->Pause();
    } else if (request == "resume") {
        commands_->Resume();
    } else if (request == "quit") {
        // Answered first: the password prompt that may come runs a loop of its own.
        QTimer::singleShot(0, [this] {
            if (commands_) commands_->Quit();
        });
    } else {
        return std::nullopt;
    }
    return std::string("done\n");
}

void BusInstanceSlot::ServeBus() {
    if (!control_ || !commands_) return;
    if (!control_->Serve(*commands_)) {
        // No session bus, or its name is another's: later starts still reach the socket.
    }
}

void BusInstanceSlot::Leave() {
    local_.Leave();
    if (control_) control_->Leave();
}

void BusInstanceSlot::Rejoin() {
    local_.Rejoin();
    ServeBus();
}

void BusInstanceSlot::Release() {
    if (control_) control_->Leave();
    local_.Release();
}

}  // namespace tocklet
