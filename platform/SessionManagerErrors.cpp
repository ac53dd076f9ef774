// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// A session manager connection that fails ends quietly: the program keeps running without it.
#include "platform/SessionManagerErrors.h"

#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>

namespace tocklet {
namespace {

// Called by libICE once it has marked the connection broken; it does no more I/O on it, and
// the default handler would end the process. Qt goes on watching the socket, which at its end
// reads as ready without end: a descriptor that is never ready takes the socket's number, so
// the watch falls silent. The connection itself is closed with the session manager object at
// the end of the program.
void DropBrokenConnection(IceConn connection) {
    std::fputs("tocklet: the connection to the session manager broke; running on without it\n",
               stderr);
    const int fd = IceConnectionNumber(connection);
    const int never = eventfd(0, EFD_CLOEXEC);
    if (fd < 0 || never < 0) return;
    dup3(never, fd, O_CLOEXEC);
    close(never);
}

// A protocol error that the connection cannot survive: its socket is shut, so the next read
// ends in the broken-connection path above instead of the default handlers' exit().
void EndAfterFatalError(IceConn connection, int severity) {
    if (severity == IceCanContinue) return;
    std::fputs("tocklet: the session manager reported a protocol error; leaving the session\n",
               stderr);
    shutdown(IceConnectionNumber(connection), SHUT_RDWR);
}

void OnIceError(IceConn connection, Bool, int, unsigned long, int, int severity, IcePointer) {
    EndAfterFatalError(connection, severity);
}

void OnSmcError(SmcConn connection, Bool, int, unsigned long, int, int severity, SmPointer) {
    EndAfterFatalError(SmcGetIceConnection(connection), severity);
}

}  // namespace

void KeepRunningWithoutSessionManager() {
    IceSetIOErrorHandler(DropBrokenConnection);
    IceSetErrorHandler(OnIceError);
    SmcSetErrorHandler(OnSmcError);
    // A write to a session manager that has just gone must fail with EPIPE, not end the
    // program; started programs get the default back (SpawnDetached resets every signal).
    signal(SIGPIPE, SIG_IGN);
}

}  // namespace tocklet
