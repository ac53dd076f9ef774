// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// A window for the window-list and guard tests: x11-target TITLE [option]. Prints its window
// id once shown and "delete" at each WM_DELETE_WINDOW, which ends it unless it refuses.
// Options: --refuse, --no-protocol (takes no WM_DELETE_WINDOW), --wm-name-only (the title only
// in WM_NAME, as compound text), --override (override-redirect), --unmapped, --child (the
// title on a child of an untitled window), --class=NAME (WM_CLASS "NAME", "Name", as GTK sets
// it).
// A line "mark" on its standard input is answered with "mark" after a round trip to the X
// server: every message sent to the window before the line was written has been printed by
// then, so a test counts the close requests made so far without waiting for time. A line
// "title TEXT" renames the window (_NET_WM_NAME) and is answered with "title" once the X server
// has the new name.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <string>

namespace {

struct Target {
    Display* display = nullptr;
    Window top = 0;
    Atom deleteWindow = 0;
    bool refuses = false;
};

void Say(const char* line) {
    std::printf("%s\n", line);
    std::fflush(stdout);
}

void SetTitle(Display* d, Window w, const std::string& title) {
    XChangeProperty(d, w, XInternAtom(d, "_NET_WM_NAME", False),
                    XInternAtom(d, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(title.data()),
                    static_cast<int>(title.size()));
}

// The window as the option asks; returns the top-level window.
Window CreateWindow(Display* d, const char* title, const std::string& option) {
    XSetWindowAttributes attributes{};
    attributes.override_redirect = option == "--override";
    const Window top = XCreateWindow(d, DefaultRootWindow(d), 10, 10, 160, 60, 0, CopyFromParent,
                                     InputOutput, CopyFromParent, CWOverrideRedirect, &attributes);
    const Window titled =
        option == "--child" ? XCreateSimpleWindow(d, top, 0, 0, 9, 9, 0, 0, 0) : top;
    if (titled != top) XMapWindow(d, titled);
    if (option == "--wm-name-only") {
        XTextProperty name{};
        char* list[] = {const_cast<char*>(title)};
        Xutf8TextListToTextProperty(d, list, 1, XCompoundTextStyle, &name);
        XSetWMName(d, titled, &name);
        if (name.value) XFree(name.value);
    } else {
        SetTitle(d, titled, title);
    }
    if (option.rfind("--class=", 0) == 0) {
        std::string instance = option.substr(8), cls = instance;
        if (!cls.empty())
            cls[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(cls[0])));
        XClassHint hint{instance.data(), cls.data()};
        XSetClassHint(d, top, &hint);
    }
    return top;
}

// Handles the events already queued; false once a close request ends the window.
bool HandleQueued(const Target& t) {
    while (XPending(t.display) > 0) {
        XEvent e;
        XNextEvent(t.display, &e);
        if (e.type != ClientMessage || static_cast<Atom>(e.xclient.data.l[0]) != t.deleteWindow)
            continue;
        Say("delete");
        if (!t.refuses) return false;
    }
    return true;
}

// Answers each complete "mark" line in input (consumed); false once the window ends.
bool AnswerMarks(const Target& t, std::string& input) {
    for (std::size_t end; (end = input.find('\n')) != std::string::npos; input.erase(0, end + 1)) {
        const std::string line = input.substr(0, end);
        if (line.rfind("title ", 0) == 0) {
            SetTitle(t.display, t.top, line.substr(6));
            XSync(t.display, False);
            Say("title");
            continue;
        }
        if (line != "mark") continue;
        XSync(t.display, False);  // what the server had for the window is now in the queue
        if (!HandleQueued(t)) return false;
        Say("mark");
    }
    return true;
}

// Serves close requests and marks until a close request ends the window.
void Serve(const Target& t) {
    bool inputOpen = true;
    std::string input;
    while (HandleQueued(t)) {
        pollfd fds[2] = {{ConnectionNumber(t.display), POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
        if (poll(fds, inputOpen ? 2 : 1, -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (!inputOpen || fds[1].revents == 0) continue;
        char buffer[256];
        const ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            inputOpen = false;
            continue;
        }
        input.append(buffer, static_cast<std::size_t>(n));
        if (!AnswerMarks(t, input)) return;
    }
}

}  // namespace

int main(int argc, char** argv) {
    Display* d = XOpenDisplay(nullptr);
    if (!d || argc < 2) return 2;
    const std::string option = argc > 2 ? argv[2] : "";
    Target t{d, CreateWindow(d, argv[1], option), XInternAtom(d, "WM_DELETE_WINDOW", False),
             option == "--refuse"};
    if (option != "--no-protocol") XSetWMProtocols(d, t.top, &t.deleteWindow, 1);
    XSelectInput(d, t.top, StructureNotifyMask);
    if (option != "--unmapped") {
        XMapWindow(d, t.top);
        XEvent e;
        while (XNextEvent(d, &e), e.type != MapNotify) continue;
    }
    XSync(d, False);
    std::printf("%lu\n", t.top);
    std::fflush(stdout);
    Serve(t);
    return 0;
}
