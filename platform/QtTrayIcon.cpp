// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/QtTrayIcon.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QSystemTrayIcon>

#include "platform/QtText.h"

namespace tocklet {

QtTrayIcon::QtTrayIcon(std::function<QIcon(int)> iconOf, QObject* parent)
    : QObject(parent), iconOf_(std::move(iconOf)) {}

QtTrayIcon::~QtTrayIcon() = default;

void QtTrayIcon::Add(int iconId, std::string_view tip) {
    if (!icon_) {
        icon_ = std::make_unique<QSystemTrayIcon>();
        connect(icon_.get(), &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    if (!handler_) return;
                    if (reason == QSystemTrayIcon::Trigger) handler_(TrayButton::Left);
                    if (reason == QSystemTrayIcon::Context) handler_(TrayButton::Right);
                });
    }
    Modify(iconId, tip);
    icon_->show();
    // On X11 the request to dock in the notification area would wait in the connection's
    // buffer until the program next waits for events, after the panel's controls are built.
    if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        xcb_flush(x11->connection());
    }
}

void QtTrayIcon::Modify(int iconId, std::string_view tip) {
    if (!icon_) return;
    icon_->setIcon(iconOf_(iconId));
    icon_->setToolTip(FromGb(tip));
}

void QtTrayIcon::Remove() {
    if (icon_) icon_->hide();
    icon_.reset();
}

void QtTrayIcon::SetButtonHandler(ButtonHandler handler) { handler_ = std::move(handler); }

}  // namespace tocklet
