// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The program's part in the desktop session, through Qt's session manager (XSMP with libSM on
// X11): the session-end question and how the session may restart the program.

#include <QMetaObject>
#include <QString>
#include <functional>

#include "platform/SessionEnd.h"

namespace tocklet {

/// While it lives, hands every session-end request of the session manager to onQuery, and
/// tells the manager at every save never to restart the program (it is started at log-in by
/// its autostart entry) and, should it restart it anyway, by its absolute path.
class QtSessionEnd {
public:
    QtSessionEnd(QString executablePath, std::function<void(SessionEndQuery&)> onQuery);
    ~QtSessionEnd();
    QtSessionEnd(const QtSessionEnd&) = delete;
    QtSessionEnd& operator=(const QtSessionEnd&) = delete;

private:
    QString executablePath_;
    std::function<void(SessionEndQuery&)> onQuery_;
    QMetaObject::Connection commitData_;
    QMetaObject::Connection saveState_;
};

}  // namespace tocklet
