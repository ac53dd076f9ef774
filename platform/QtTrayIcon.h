// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The notification-area icon through QSystemTrayIcon (XEmbed / StatusNotifier on Linux).

#include <QIcon>
#include <QObject>
#include <functional>
#include <memory>

#include "platform/TrayIcon.h"

class QSystemTrayIcon;

namespace tocklet {

class QtTrayIcon final : public QObject, public TrayIcon {
    Q_OBJECT
public:
    /// iconOf turns an icon resource number into the image to show.
    explicit QtTrayIcon(std::function<QIcon(int)> iconOf, QObject* parent = nullptr);
    ~QtTrayIcon() override;

    void Add(int iconId, std::string_view tip) override;
    void Modify(int iconId, std::string_view tip) override;
    void Remove() override;
    void SetButtonHandler(ButtonHandler handler) override;

private:
    std::function<QIcon(int)> iconOf_;
    std::unique_ptr<QSystemTrayIcon> icon_;
    ButtonHandler handler_;
};

}  // namespace tocklet
