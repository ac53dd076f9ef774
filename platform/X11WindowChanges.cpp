// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/X11WindowChanges.h"

#include <xcb/xcb.h>

#include <QSocketNotifier>
#include <QTimer>
#include <array>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace tocklet {
namespace {

// xcb hands replies and events in malloc'ed memory.
template <typename T>
struct Freed {
    void operator()(T* p) const { std::free(p); }
};
template <typename T>
using Owned = std::unique_ptr<T, Freed<T>>;

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    const Owned<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

}  // namespace

struct X11WindowChanges::Connection {
    ~Connection() {
        if (c) xcb_disconnect(c);
    }

    /// Connects and selects the root's events; false when the display cannot be had.
    [[nodiscard]] bool Open(const char* displayName) {
        int screenNumber = 0;
        c = xcb_connect(displayName, &screenNumber);
        if (xcb_connection_has_error(c)) return false;
        xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
        for (int i = 0; i < screenNumber && screens.rem > 0; ++i) xcb_screen_next(&screens);
        if (screens.rem == 0) return false;
        root = screens.data->root;
        clientList = Atom(c, "_NET_CLIENT_LIST");
        netWmName = Atom(c, "_NET_WM_NAME");
        Select(root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_PROPERTY_CHANGE);
        FollowListed();
        xcb_flush(c);
        return !xcb_connection_has_error(c);
    }

    // A window that went meanwhile answers with an error event, which is passed over.
    void Select(xcb_window_t w, std::uint32_t mask) const {
        xcb_change_window_attributes(c, w, XCB_CW_EVENT_MASK, &mask);
    }

    // The title and class of every window that may be listed: the root's children (a bare
    // server's windows, a manager's frames) and the manager's clients (inside the frames).
    void FollowListed() const {
        const Owned<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr));
        if (tree) {
            const xcb_window_t* children = xcb_query_tree_children(tree.get());
            const int count = xcb_query_tree_children_length(tree.get());
            for (int i = 0; i < count; ++i) Select(children[i], XCB_EVENT_MASK_PROPERTY_CHANGE);
        }
        const Owned<xcb_get_property_reply_t> list(xcb_get_property_reply(
            c, xcb_get_property(c, 0, root, clientList, XCB_ATOM_WINDOW, 0, 1 << 16), nullptr));
        if (list && list->type == XCB_ATOM_WINDOW && list->format == 32) {
            const auto* clients =
                static_cast<const xcb_window_t*>(xcb_get_property_value(list.get()));
            const int count = xcb_get_property_value_length(list.get()) / 4;
            for (int i = 0; i < count; ++i) Select(clients[i], XCB_EVENT_MASK_PROPERTY_CHANGE);
        }
    }

    /// Handles one event; true when the windows may have changed.
    [[nodiscard]] bool Handle(const xcb_generic_event_t& e) const {
        switch (e.response_type & 0x7f) {
            case XCB_CREATE_NOTIFY: {
                // Followed from its creation, so that a title set before the window manager
                // lists it is seen; the window counts once it is mapped.
                const auto& created = reinterpret_cast<const xcb_create_notify_event_t&>(e);
                if (created.parent == root) Select(created.window, XCB_EVENT_MASK_PROPERTY_CHANGE);
                return false;
            }
            case XCB_MAP_NOTIFY:
                return true;
            case XCB_PROPERTY_NOTIFY: {
                const auto& changed = reinterpret_cast<const xcb_property_notify_event_t&>(e);
                if (changed.window == root) {
                    if (changed.atom != clientList) return false;
                    FollowListed();
                    return true;
                }
                return changed.atom == XCB_ATOM_WM_NAME || changed.atom == netWmName ||
                       changed.atom == XCB_ATOM_WM_CLASS;
            }
            default:
                return false;  // errors for windows gone meanwhile, and events not asked for
        }
    }

    xcb_connection_t* c = nullptr;
    xcb_window_t root = 0;
    xcb_atom_t clientList = XCB_ATOM_NONE;
    xcb_atom_t netWmName = XCB_ATOM_NONE;
};

X11WindowChanges::X11WindowChanges(const char* displayName)
    : displayName_(displayName ? std::optional<std::string>(displayName) : std::nullopt) {}

X11WindowChanges::~X11WindowChanges() { Stop(); }

bool X11WindowChanges::Start(std::function<void()> onChange) {
    if (Watching()) {
        onChange_ = std::move(onChange);
        return true;
    }
    Stop();
    auto x = std::make_unique<Connection>();
    if (!x->Open(displayName_ ? displayName_->c_str() : nullptr)) return false;
    x_ = std::move(x);
    onChange_ = std::move(onChange);
    context_ = std::make_unique<QObject>();
    notifier_ =
        new QSocketNotifier(xcb_get_file_descriptor(x_->c), QSocketNotifier::Read, context_.get());
    QObject::connect(notifier_, &QSocketNotifier::activated, context_.get(),
                     [this] { OnReadable(); });
    Tell();  // the windows there already
    return true;
}

void X11WindowChanges::Stop() {
    context_.reset();  // the notifier, and a telling not yet run
    notifier_ = nullptr;
    x_.reset();
    onChange_ = {};
    pending_ = false;
}

bool X11WindowChanges::Watching() const {
    return x_ && context_ && !xcb_connection_has_error(x_->c);
}

void X11WindowChanges::OnReadable() {
    // Replies awaited while handling may read further events into xcb's queue, which the
    // socket then no longer signals: the queue is emptied whole.
    bool changed = false;
    while (const Owned<xcb_generic_event_t> e{xcb_poll_for_event(x_->c)}) {
        changed = x_->Handle(*e) || changed;
    }
    xcb_flush(x_->c);
    if (xcb_connection_has_error(x_->c)) {
        // The X server went away: no more word; the watcher learns it from the last telling.
        notifier_->setEnabled(false);
        changed = true;
    }
    if (changed) Tell();
}

void X11WindowChanges::Tell() {
    if (pending_ || !context_) return;
    pending_ = true;
    QTimer::singleShot(0, context_.get(), [this] {
        pending_ = false;
        // A copy: the watcher may stop or restart the watch from inside.
        const std::function<void()> tell = onChange_;
        if (tell) tell();
    });
}

}  // namespace tocklet
