// A tiny X session manager for the end-to-end tests: it listens on a local ICE socket, prints
// "SESSION_MANAGER=<ids>", registers clients, and on SIGUSR1 asks every client to save itself
// for a log-out (SaveYourself, shutdown). It grants every interaction request at once, then
// ends the session (Die) or, when a client cancelled, calls it off (ShutdownCancelled). Every
// message a client sends is printed as one line.
// Usage: tiny-session-manager [any|errors|none]   (the interact style, default any)
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>
#include <poll.h>
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int _IceTransNoListen(const char* protocol);  // libICE's transport switch

namespace {

volatile sig_atomic_t g_saveRequested = 0;
std::vector<SmsConn> g_clients;
std::vector<IceConn> g_conns;
int g_interactStyle = SmInteractStyleAny;
bool g_cancelled = false;

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

std::string PropertyText(const SmProp& prop) {
    std::string text;
    for (int i = 0; i < prop.num_vals; ++i) {
        const auto* bytes = static_cast<const unsigned char*>(prop.vals[i].value);
        if (std::string(prop.type) == SmCARD8) return std::to_string(bytes[0]);
        if (i > 0) text += ' ';
        text.append(reinterpret_cast<const char*>(bytes),
                    static_cast<std::size_t>(prop.vals[i].length));
    }
    return text;
}

Status RegisterClient(SmsConn conn, SmPointer, char* previousId) {
    Say(std::string("RegisterClient") + (previousId ? std::string(" previous=") + previousId : ""));
    std::free(previousId);
    char* id = SmsGenerateClientID(conn);
    Status ok = SmsRegisterClientReply(conn, id ? id : const_cast<char*>("tiny-client-1"));
    std::free(id);
    g_clients.push_back(conn);
    return ok;
}

void InteractRequest(SmsConn conn, SmPointer, int dialogType) {
    Say(dialogType == SmDialogError ? "InteractRequest error" : "InteractRequest normal");
    SmsInteract(conn);
}

void InteractDone(SmsConn, SmPointer, Bool cancel) {
    Say(std::string("InteractDone cancel=") + (cancel ? "1" : "0"));
    if (cancel) g_cancelled = true;
}

void SaveYourselfRequest(SmsConn, SmPointer, int, Bool, int, Bool, Bool) {
    Say("SaveYourselfRequest");
}

void Phase2Request(SmsConn conn, SmPointer) {
    Say("SaveYourselfPhase2Request");
    SmsSaveYourselfPhase2(conn);
}

void SaveYourselfDone(SmsConn conn, SmPointer, Bool success) {
    Say(std::string("SaveYourselfDone success=") + (success ? "1" : "0"));
    if (g_cancelled) {
        SmsShutdownCancelled(conn);
        Say("sent ShutdownCancelled");
    } else {
        SmsDie(conn);
        Say("sent Die");
    }
}

void CloseConnection(SmsConn conn, SmPointer, int count, char** reasons) {
    Say("CloseConnection");
    SmFreeReasons(count, reasons);
    IceConn ice = SmsGetIceConnection(conn);
    std::erase(g_clients, conn);
    std::erase(g_conns, ice);
    SmsCleanUp(conn);
    IceSetShutdownNegotiation(ice, False);
    IceCloseConnection(ice);
}

void SetProperties(SmsConn, SmPointer, int count, SmProp** props) {
    for (int i = 0; i < count; ++i) {
        Say(std::string("Property ") + props[i]->name + "=" + PropertyText(*props[i]));
        SmFreeProperty(props[i]);
    }
    std::free(props);
}

void DeleteProperties(SmsConn, SmPointer, int count, char** names) {
    for (int i = 0; i < count; ++i) std::free(names[i]);
    std::free(names);
}

void GetProperties(SmsConn conn, SmPointer) { SmsReturnProperties(conn, 0, nullptr); }

Status NewClient(SmsConn, SmPointer, unsigned long* mask, SmsCallbacks* cb, char**) {
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask |
            SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask |
            SmsSaveYourselfDoneProcMask | SmsCloseConnectionProcMask | SmsSetPropertiesProcMask |
            SmsDeletePropertiesProcMask | SmsGetPropertiesProcMask;
    cb->register_client.callback = RegisterClient;
    cb->interact_request.callback = InteractRequest;
    cb->interact_done.callback = InteractDone;
    cb->save_yourself_request.callback = SaveYourselfRequest;
    cb->save_yourself_phase2_request.callback = Phase2Request;
    cb->save_yourself_done.callback = SaveYourselfDone;
    cb->close_connection.callback = CloseConnection;
    cb->set_properties.callback = SetProperties;
    cb->delete_properties.callback = DeleteProperties;
    cb->get_properties.callback = GetProperties;
    return 1;
}

Bool AnyHost(char*) { return True; }

void SendSaveYourself() {
    g_cancelled = false;
    for (SmsConn conn : g_clients) SmsSaveYourself(conn, SmSaveBoth, True, g_interactStyle, False);
    Say("sent SaveYourself");
}

}  // namespace

int main(int argc, char** argv) {
    const std::string style = argc > 1 ? argv[1] : "any";
    g_interactStyle = style == "none"     ? SmInteractStyleNone
                      : style == "errors" ? SmInteractStyleErrors
                                          : SmInteractStyleAny;
    signal(SIGUSR1, [](int) { g_saveRequested = 1; });
    IceSetIOErrorHandler([](IceConn) {});  // a client that goes away is no reason to end
    char error[256] = {};
    _IceTransNoListen("tcp");
    if (!SmsInitialize("tiny", "1", NewClient, nullptr, AnyHost, sizeof error, error)) {
        std::fprintf(stderr, "SmsInitialize: %s\n", error);
        return 1;
    }
    int count = 0;
    IceListenObj* listeners = nullptr;
    if (!IceListenForConnections(&count, &listeners, sizeof error, error)) {
        std::fprintf(stderr, "IceListenForConnections: %s\n", error);
        return 1;
    }
    for (int i = 0; i < count; ++i) IceSetHostBasedAuthProc(listeners[i], AnyHost);
    char* ids = IceComposeNetworkIdList(count, listeners);
    Say(std::string("SESSION_MANAGER=") + ids);
    std::free(ids);

    for (;;) {
        if (g_saveRequested) {
            g_saveRequested = 0;
            SendSaveYourself();
        }
        std::vector<pollfd> fds;
        for (int i = 0; i < count; ++i)
            fds.push_back({IceGetListenConnectionNumber(listeners[i]), POLLIN, 0});
        for (IceConn ice : g_conns) fds.push_back({IceConnectionNumber(ice), POLLIN, 0});
        if (poll(fds.data(), fds.size(), 100) <= 0) continue;
        const std::vector<IceConn> conns = g_conns;
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if (!(fds[i].revents & (POLLIN | POLLHUP))) continue;
            if (i < static_cast<std::size_t>(count)) {
                IceAcceptStatus status;
                if (IceConn ice = IceAcceptConnection(listeners[i], &status))
                    g_conns.push_back(ice);
                continue;
            }
            IceConn ice = conns[i - static_cast<std::size_t>(count)];
            if (IceProcessMessages(ice, nullptr, nullptr) == IceProcessMessagesIOError) {
                Say("client gone");
                std::erase(g_conns, ice);
                for (SmsConn conn : g_clients) {
                    if (SmsGetIceConnection(conn) == ice) {
                        std::erase(g_clients, conn);
                        SmsCleanUp(conn);
                        break;
                    }
                }
                IceSetShutdownNegotiation(ice, False);
                IceCloseConnection(ice);
            }
        }
    }
}
