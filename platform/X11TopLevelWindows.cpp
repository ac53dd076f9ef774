// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/X11TopLevelWindows.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstring>

#include "store/Text.h"

namespace tocklet {

namespace {

// Catches the X errors of the requests made in its scope: a window may vanish at any moment,
// and Xlib's default answer to an error ends the process.
class ErrorTrap {
public:
    explicit ErrorTrap(Display* display) : display_(display) {
        XSync(display_, False);
        failed_ = false;
        previous_ = XSetErrorHandler(&Record);
    }
    ~ErrorTrap() {
        XSync(display_, False);
        XSetErrorHandler(previous_);
    }
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;

    /// Whether a request made so far in the scope failed.
    [[nodiscard]] bool Failed() {
        XSync(display_, False);
        return failed_;
    }

private:
    static int Record(Display*, XErrorEvent*) {
        failed_ = true;
        return 0;
    }
    static inline bool failed_ = false;
    Display* display_;
    XErrorHandler previous_;
};

// The items of a property of 32-bit format (window lists, cardinals); empty when it is
// missing or of another type.
std::vector<unsigned long> LongsProperty(Display* d, Window w, Atom property, Atom type) {
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> out;
    if (XGetWindowProperty(d, w, property, 0, 1L << 16, False, type, &actualType, &format, &count,
                           &after, &data) == Success &&
        actualType == type && format == 32 && data != nullptr) {
        // Xlib hands 32-bit items as longs.
        const auto* items = reinterpret_cast<const unsigned long*>(data);
        out.assign(items, items + count);
    }
    if (data) XFree(data);
    return out;
}

std::string Utf8Property(Display* d, Window w, Atom property, Atom utf8) {
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string out;
    if (XGetWindowProperty(d, w, property, 0, 1024, False, utf8, &actualType, &format, &count,
                           &after, &data) == Success &&
        actualType == utf8 && format == 8 && data != nullptr) {
        out.assign(reinterpret_cast<const char*>(data), count);
    }
    if (data) XFree(data);
    return out;
}

// WM_NAME in whatever encoding it was set (STRING, COMPOUND_TEXT, UTF8_STRING), as UTF-8.
std::string WmNameUtf8(Display* d, Window w) {
    XTextProperty property{};
    std::string out;
    if (XGetWMName(d, w, &property) == 0) return out;
    char** list = nullptr;
    int count = 0;
    if (Xutf8TextPropertyToTextList(d, &property, &list, &count) >= Success && list) {
        for (int i = 0; i < count; ++i) out += list[i];
        XFreeStringList(list);
    }
    if (property.value) XFree(property.value);
    return out;
}

// UTF-8 to code page 936, character by character; a character without a form there (or a
// broken one) becomes '?', so that no title loses characters and comes to equal another.
std::string ToGbOrQuestionMarks(std::string_view utf8) {
    std::string out;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[pos]);
        const std::size_t n = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        const std::optional<std::string> gb = TryUtf8ToGb(utf8.substr(pos, n));
        out += gb && !gb->empty() ? *gb : "?";
        pos += n;
    }
    return out;
}

}  // namespace

struct X11TopLevelWindows::Connection {
    /// Connects and looks up the atoms; display stays null when the display cannot be had.
    void Open(const char* displayName);

    Display* display = nullptr;
    Window root = 0;
    Atom netClientList = 0;
    Atom netClientListStacking = 0;
    Atom netSupportingWmCheck = 0;
    Atom netActiveWindow = 0;
    Atom netWmName = 0;
    Atom utf8String = 0;
    Atom wmState = 0;
    Atom wmProtocols = 0;
    Atom wmDeleteWindow = 0;

    // A window manager runs when the root names a check window that names itself: the
    // property outlives a manager that ended.
    bool WindowManagerRuns() const {
        const auto check = LongsProperty(display, root, netSupportingWmCheck, XA_WINDOW);
        return check.size() == 1 &&
               LongsProperty(display, check[0], netSupportingWmCheck, XA_WINDOW) == check;
    }

    // The top-level windows, top first: the manager's clients, or the root's children.
    [[nodiscard]] std::optional<std::vector<Window>> Candidates(bool managed) const {
        std::vector<Window> out;
        if (managed) {
            auto list = LongsProperty(display, root, netClientListStacking, XA_WINDOW);
            if (list.empty()) list = LongsProperty(display, root, netClientList, XA_WINDOW);
            out.assign(list.rbegin(), list.rend());
            return out;
        }
        Window rootOut = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (XQueryTree(display, root, &rootOut, &parent, &children, &count) == 0) {
            return std::nullopt;
        }
        out.assign(children, children + count);
        if (children) XFree(children);
        std::reverse(out.begin(), out.end());
        return out;
    }

    // Shown on the desktop: viewable, or minimised by the manager; never a menu or a tip.
    bool Shown(Window w, bool managed) const {
        XWindowAttributes a{};
        if (XGetWindowAttributes(display, w, &a) == 0 || a.override_redirect) return false;
        if (a.map_state == IsViewable) return true;
        const auto state = LongsProperty(display, w, wmState, wmState);
        return managed && !state.empty() && state[0] == IconicState;
    }

    bool Viewable(Window w) const {
        XWindowAttributes a{};
        return XGetWindowAttributes(display, w, &a) != 0 && a.map_state == IsViewable;
    }

    std::string Title(Window w) const {
        std::string utf8 = Utf8Property(display, w, netWmName, utf8String);
        if (utf8.empty()) utf8 = WmNameUtf8(display, w);
        return std::string(CutAtCharBoundary(ToGbOrQuestionMarks(utf8), kWindowTitleBytes));
    }

    TopLevelWindow Describe(Window w) const {
        TopLevelWindow window{w, Title(w), {}, {}};
        XClassHint hint{};
        if (XGetClassHint(display, w, &hint) != 0) {
            // Latin-1 by the rules, ASCII in practice; read as UTF-8 like the titles.
            auto gb = [](const char* name) {
                return name ? std::string(
                                  CutAtCharBoundary(ToGbOrQuestionMarks(name), kWindowTitleBytes))
                            : std::string();
            };
            window.instanceName = gb(hint.res_name);
            window.className = gb(hint.res_class);
            if (hint.res_name) XFree(hint.res_name);
            if (hint.res_class) XFree(hint.res_class);
        }
        return window;
    }

    // Through the manager where there is one, which then also raises the window; a source of
    // 2 asks as a pager does, which managers honour without focus-stealing checks.
    void Focus(Window w) const {
        if (WindowManagerRuns()) {
            XEvent e{};
            e.xclient.type = ClientMessage;
            e.xclient.window = w;
            e.xclient.message_type = netActiveWindow;
            e.xclient.format = 32;
            e.xclient.data.l[0] = 2;
            e.xclient.data.l[1] = CurrentTime;
            XSendEvent(display, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
        } else {
            XSetInputFocus(display, w, RevertToParent, CurrentTime);
        }
    }
};

X11TopLevelWindows::X11TopLevelWindows(const char* displayName)
    : displayName_(displayName ? std::optional<std::string>(displayName) : std::nullopt) {}

void X11TopLevelWindows::Connection::Open(const char* displayName) {
    display = XOpenDisplay(displayName);
    if (!display) return;
    Display* d = display;
    root = DefaultRootWindow(d);
    auto atom = [d](const char* name) { return XInternAtom(d, name, False); };
    netClientList = atom("_NET_CLIENT_LIST");
    netClientListStacking = atom("_NET_CLIENT_LIST_STACKING");
    netSupportingWmCheck = atom("_NET_SUPPORTING_WM_CHECK");
    netActiveWindow = atom("_NET_ACTIVE_WINDOW");
    netWmName = atom("_NET_WM_NAME");
    utf8String = atom("UTF8_STRING");
    wmState = atom("WM_STATE");
    wmProtocols = atom("WM_PROTOCOLS");
    wmDeleteWindow = atom("WM_DELETE_WINDOW");
}

X11TopLevelWindows::~X11TopLevelWindows() {
    if (x_ && x_->display) XCloseDisplay(x_->display);
}

// The connection is made at the first question rather than at start: most runs never ask
// (protection off), and a second connection made at start delays the notification icon.
X11TopLevelWindows::Connection& X11TopLevelWindows::Connected() {
    if (!x_) {
        x_ = std::make_unique<Connection>();
        x_->Open(displayName_ ? displayName_->c_str() : nullptr);
    }
    return *x_;
}

bool X11TopLevelWindows::CanSeeOtherWindows() { return Connected().display != nullptr; }

std::optional<std::vector<TopLevelWindow>> X11TopLevelWindows::List() {
    Connection& x = Connected();
    if (!x.display) return std::nullopt;
    ErrorTrap trap(x.display);
    const bool managed = x.WindowManagerRuns();
    const std::optional<std::vector<Window>> candidates = x.Candidates(managed);
    if (!candidates) return std::nullopt;
    std::vector<TopLevelWindow> out;
    for (Window w : *candidates) {
        // Each window alone: one that vanished midway leaves the others listed.
        ErrorTrap one(x.display);
        if (!x.Shown(w, managed)) continue;
        TopLevelWindow window = x.Describe(w);
        if (!one.Failed()) out.push_back(std::move(window));
    }
    return out;
}

bool X11TopLevelWindows::RequestClose(WindowId window) {
    Connection& x = Connected();
    if (!x.display) return false;
    ErrorTrap trap(x.display);
    const auto w = static_cast<Window>(window);
    Atom* protocols = nullptr;
    int count = 0;
    bool takesDelete = false;
    if (XGetWMProtocols(x.display, w, &protocols, &count) != 0) {
        takesDelete =
            std::find(protocols, protocols + count, x.wmDeleteWindow) != protocols + count;
        XFree(protocols);
    }
    if (!takesDelete) return false;
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = x.wmProtocols;
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(x.wmDeleteWindow);
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(x.display, w, False, NoEventMask, &e);
    return !trap.Failed();
}

void X11TopLevelWindows::BringToFront(WindowId window) {
    Connection& x = Connected();
    if (!x.display) return;
    ErrorTrap trap(x.display);
    const auto w = static_cast<Window>(window);
    if (!x.Viewable(w)) return;
    XRaiseWindow(x.display, w);
    x.Focus(w);
}

void X11TopLevelWindows::Activate(WindowId window) {
    Connection& x = Connected();
    if (!x.display) return;
    ErrorTrap trap(x.display);
    const auto w = static_cast<Window>(window);
    if (x.Viewable(w)) x.Focus(w);
}

}  // namespace tocklet
