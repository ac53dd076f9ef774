// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// A window for the window-list and guard tests: x11-target TITLE [option]. Prints its window
// id once shown and "delete" at each WM_DELETE_WINDOW, which ends it unless it refuses.
// Options: --refuse, --no-protocol (takes no WM_DELETE_WINDOW), --wm-name-only (the title only
// in WM_NAME, as compound text), --override (override-redirect), --unmapped, --child (the
// title on a child of an untitled window).
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    Display* d = XOpenDisplay(nullptr);
    if (!d || argc < 2) return 2;
    const std::string option = argc > 2 ? argv[2] : "";
    XSetWindowAttributes attributes{};
    attributes.override_redirect = option == "--override";
    const Window top = XCreateWindow(d, DefaultRootWindow(d), 10, 10, 160, 60, 0, CopyFromParent,
                                     InputOutput, CopyFromParent, CWOverrideRedirect, &attributes);
    const Window titled =
        option == "--child" ? XCreateSimpleWindow(d, top, 0, 0, 9, 9, 0, 0, 0) : top;
    if (titled != top) XMapWindow(d, titled);
    if (option == "--wm-name-only") {
        XTextProperty name{};
        Xutf8TextListToTextProperty(d, &argv[1], 1, XCompoundTextStyle, &name);
        XSetWMName(d, titled, &name);
    } else {
        XChangeProperty(d, titled, XInternAtom(d, "_NET_WM_NAME", False),
                        XInternAtom(d, "UTF8_STRING", False), 8, PropModeReplace,
                        reinterpret_cast<unsigned char*>(argv[1]),
                        static_cast<int>(std::strlen(argv[1])));
    }
    Atom deleteWindow = XInternAtom(d, "WM_DELETE_WINDOW", False);
    if (option != "--no-protocol") XSetWMProtocols(d, top, &deleteWindow, 1);
    XSelectInput(d, top, StructureNotifyMask);
    XEvent e;
    if (option != "--unmapped") {
        XMapWindow(d, top);
        while (XNextEvent(d, &e), e.type != MapNotify) continue;
    }
    XSync(d, False);
    std::printf("%lu\n", top);
    for (std::fflush(stdout); XNextEvent(d, &e) == 0;) {
        if (e.type != ClientMessage || static_cast<Atom>(e.xclient.data.l[0]) != deleteWindow)
            continue;
        std::printf("delete\n");
        std::fflush(stdout);
        if (option != "--refuse") break;
    }
    return 0;
}
