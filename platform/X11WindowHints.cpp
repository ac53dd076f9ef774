// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/X11WindowHints.h"

#include <QGuiApplication>
#include <QWidget>

// Xlib after Qt: its macros (Bool, Status, CursorShape ...) break Qt's headers.
// clang-format off
#include <X11/Xatom.h>
#include <X11/Xlib.h>
// clang-format on

namespace tocklet {

void KeepOffTaskbar(QWidget* window) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (display == nullptr || window == nullptr) return;
    const auto id = static_cast<Window>(window->winId());
    Atom states[] = {XInternAtom(display, "_NET_WM_STATE_SKIP_TASKBAR", False),
                     XInternAtom(display, "_NET_WM_STATE_SKIP_PAGER", False)};
    // Appended: Qt adds its own states (above all, for one) to the list when it maps the
    // window, keeping what it finds there.
    XChangeProperty(display, id, XInternAtom(display, "_NET_WM_STATE", False), XA_ATOM, 32,
                    PropModeAppend, reinterpret_cast<unsigned char*>(states), 2);
    XFlush(display);
}

}  // namespace tocklet
