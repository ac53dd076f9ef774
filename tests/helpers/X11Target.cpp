// A window for the window-list and guard tests: x11-target TITLE [options]. Prints
// "ready <window id>" once shown and "delete" at each WM_DELETE_WINDOW, which ends it unless
// it refuses. Options: --refuse, --no-protocol (takes no WM_DELETE_WINDOW), --wm-name-only
// (the title only in WM_NAME, as compound text), --override (override-redirect), --unmapped,
// --child (the title on a child of an untitled window).
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "C.UTF-8");
    std::set<std::string> opt(argv + 1, argv + argc);
    Display* d = XOpenDisplay(nullptr);
    if (!d || argc < 2) return 2;
    XSetWindowAttributes attributes{};
    attributes.override_redirect = opt.count("--override") ? True : False;
    const Window top = XCreateWindow(d, DefaultRootWindow(d), 10, 10, 160, 60, 0, CopyFromParent,
                                     InputOutput, CopyFromParent, CWOverrideRedirect, &attributes);
    Window titled = top;
    if (opt.count("--child")) {
        titled = XCreateSimpleWindow(d, top, 0, 0, 80, 30, 0, 0, 0);
        XMapWindow(d, titled);
    }
    char* title = argv[1];
    if (opt.count("--wm-name-only")) {
        XTextProperty name{};
        Xutf8TextListToTextProperty(d, &title, 1, XCompoundTextStyle, &name);
        XSetWMName(d, titled, &name);
    } else {
        XChangeProperty(d, titled, XInternAtom(d, "_NET_WM_NAME", False),
                        XInternAtom(d, "UTF8_STRING", False), 8, PropModeReplace,
                        reinterpret_cast<unsigned char*>(title),
                        static_cast<int>(std::strlen(title)));
    }
    Atom deleteWindow = XInternAtom(d, "WM_DELETE_WINDOW", False);
    if (!opt.count("--no-protocol")) XSetWMProtocols(d, top, &deleteWindow, 1);
    XSelectInput(d, top, StructureNotifyMask);
    if (!opt.count("--unmapped")) {
        XMapWindow(d, top);
        for (XEvent e; XNextEvent(d, &e), e.type != MapNotify;) {
        }
    }
    XSync(d, False);
    std::printf("ready %lu\n", top);
    std::fflush(stdout);
    for (XEvent e;;) {
        XNextEvent(d, &e);
        if (e.type != ClientMessage || static_cast<Atom>(e.xclient.data.l[0]) != deleteWindow)
            continue;
        std::printf("delete\n");
        std::fflush(stdout);
        if (!opt.count("--refuse")) break;
    }
    XCloseDisplay(d);
    return 0;
}
