// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// A tiny XSMP session manager for the end-to-end tests: listens on local ICE sockets, prints
// "SESSION_MANAGER=<ids>" and a line for each message of its one client; on SIGUSR1 asks it to
// save itself for a log-out (interact style argv[1]: any, errors or none), grants interaction
// at once, then ends the session (Die) or, after a cancel, calls it off (ShutdownCancelled).
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>
#include <poll.h>
#include <signal.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int _IceTransNoListen(const char* protocol);  // libICE's transport switch

namespace {

volatile sig_atomic_t g_saveRequested = 0;
SmsConn g_client = nullptr;
std::vector<IceConn> g_connections;
bool g_cancelled = false;

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

std::string Value(const SmProp& prop) {
    std::string text;
    for (int i = 0; i < prop.num_vals; ++i) {
        const auto* bytes = static_cast<const char*>(prop.vals[i].value);
        if (std::string(prop.type) == SmCARD8) return std::to_string(bytes[0]);
        text += (i ? " " : "") + std::string(bytes, static_cast<std::size_t>(prop.vals[i].length));
    }
    return text;
}

void Forget(IceConn ice) {
    std::erase(g_connections, ice);
    if (g_client && SmsGetIceConnection(g_client) == ice) g_client = nullptr;
    IceSetShutdownNegotiation(ice, False);
    IceCloseConnection(ice);
}

Status NewClient(SmsConn, SmPointer, unsigned long* mask, SmsCallbacks* cb, char**) {
    *mask = (1L << 10) - 1;  // every callback below
    cb->register_client.callback = [](SmsConn c, SmPointer, char* previousId) {
        Say("RegisterClient");
        std::free(previousId);
        char* id = SmsGenerateClientID(c);
        const Status ok = SmsRegisterClientReply(c, id);
        std::free(id);
        g_client = c;
        return ok;
    };
    cb->interact_request.callback = [](SmsConn c, SmPointer, int type) {
        Say(type == SmDialogError ? "InteractRequest error" : "InteractRequest normal");
        SmsInteract(c);
    };
    cb->interact_done.callback = [](SmsConn, SmPointer, Bool cancel) {
        Say("InteractDone cancel=" + std::to_string(cancel != 0));
        g_cancelled = g_cancelled || cancel;
    };
    cb->save_yourself_request.callback = [](SmsConn, SmPointer, int, Bool, int, Bool, Bool) {};
    cb->save_yourself_phase2_request.callback = [](SmsConn c, SmPointer) {
        SmsSaveYourselfPhase2(c);
    };
    cb->save_yourself_done.callback = [](SmsConn c, SmPointer, Bool success) {
        Say("SaveYourselfDone success=" + std::to_string(success != 0));
        g_cancelled ? SmsShutdownCancelled(c) : SmsDie(c);
    };
    cb->close_connection.callback = [](SmsConn c, SmPointer, int count, char** reasons) {
        Say("CloseConnection");
        SmFreeReasons(count, reasons);
        Forget(SmsGetIceConnection(c));
    };
    cb->set_properties.callback = [](SmsConn, SmPointer, int count, SmProp** props) {
        for (int i = 0; i < count; ++i) {
            Say(std::string("Property ") + props[i]->name + "=" + Value(*props[i]));
            SmFreeProperty(props[i]);
        }
        std::free(props);
    };
    cb->delete_properties.callback = [](SmsConn, SmPointer, int, char**) {};  // never sent
    cb->get_properties.callback = [](SmsConn c, SmPointer) { SmsReturnProperties(c, 0, nullptr); };
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string style = argc > 1 ? argv[1] : "any";
    const int interactStyle = style == "none"     ? SmInteractStyleNone
                              : style == "errors" ? SmInteractStyleErrors
                                                  : SmInteractStyleAny;
    signal(SIGUSR1, [](int) { g_saveRequested = 1; });
    IceSetIOErrorHandler([](IceConn) {});  // a client that goes away is handled below
    _IceTransNoListen("tcp");
    char error[256] = {};
    int count = 0;
    IceListenObj* listeners = nullptr;
    auto anyHost = [](char*) -> Bool { return True; };
    if (!SmsInitialize("tiny", "1", NewClient, nullptr, anyHost, sizeof error, error) ||
        !IceListenForConnections(&count, &listeners, sizeof error, error)) {
        std::fprintf(stderr, "tiny-session-manager: %s\n", error);
        return 1;
    }
    // One listening socket is enough: the client is told of it alone.
    IceListenObj listener = listeners[0];
    IceSetHostBasedAuthProc(listener, anyHost);
    Say(std::string("SESSION_MANAGER=") + IceGetListenConnectionString(listener));
    for (;;) {
        if (g_saveRequested) {
            g_saveRequested = 0;
            g_cancelled = false;
            if (g_client) SmsSaveYourself(g_client, SmSaveBoth, True, interactStyle, False);
        }
        std::vector<pollfd> fds{{IceGetListenConnectionNumber(listener), POLLIN, 0}};
        for (IceConn ice : g_connections) fds.push_back({IceConnectionNumber(ice), POLLIN, 0});
        if (poll(fds.data(), fds.size(), 100) <= 0) continue;
        IceAcceptStatus status;
        IceConn accepted =
            fds[0].revents & POLLIN ? IceAcceptConnection(listener, &status) : nullptr;
        if (accepted) g_connections.push_back(accepted);
        const std::vector<IceConn> connections = g_connections;
        for (std::size_t i = 1; i < fds.size(); ++i) {
            if ((fds[i].revents & (POLLIN | POLLHUP)) &&
                IceProcessMessages(connections[i - 1], nullptr, nullptr) ==
                    IceProcessMessagesIOError) {
                Say("client gone");
                Forget(connections[i - 1]);
            }
        }
    }
}
