// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/QtSessionEnd.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <utility>

namespace tocklet {
namespace {

// Qt's session manager answers the XSMP request once the commit-data handler has returned:
// release() sends InteractDone without the cancel flag at once, while cancel() only marks the
// request, and Qt then sends the one InteractDone with the cancel flag (or, with no interaction
// granted, asks for an error interaction to send it, or reports an unsuccessful save). So a
// refusal must call cancel() alone: after release(), the cancel would need a second
// interaction request that a session manager need not grant.
class QtSessionEndQuery final : public SessionEndQuery {
public:
    explicit QtSessionEndQuery(QSessionManager& manager) : manager_(manager) {}
    bool AllowsInteraction() override { return manager_.allowsInteraction(); }
    void Allow() override { manager_.release(); }
    void Refuse() override { manager_.cancel(); }

private:
    QSessionManager& manager_;
};

// Qt registers the command line the program was started with, which may be relative, and
// the hint "restart if running": a saved session would start a second instance beside the
// one the autostart entry starts. Qt sends the restart properties after the handlers ran;
// the program name it sent before them is replaced at once.
void RegisterWithSession(QSessionManager& manager, const QString& executablePath) {
    manager.setRestartHint(QSessionManager::RestartNever);
    manager.setRestartCommand({executablePath, QStringLiteral("-session"),
                               manager.sessionId() + u'_' + manager.sessionKey()});
    manager.setDiscardCommand({});
    manager.setManagerProperty(QStringLiteral("Program"), executablePath);
}

}  // namespace

QtSessionEnd::QtSessionEnd(QString executablePath, std::function<void(SessionEndQuery&)> onQuery)
    : executablePath_(std::move(executablePath)), onQuery_(std::move(onQuery)) {
    if (executablePath_.isEmpty()) executablePath_ = QCoreApplication::applicationFilePath();
    auto* app = qGuiApp;
    commitData_ = QObject::connect(app, &QGuiApplication::commitDataRequest, app,
                                   [this](QSessionManager& manager) {
                                       RegisterWithSession(manager, executablePath_);
                                       QtSessionEndQuery query(manager);
                                       if (onQuery_) onQuery_(query);
                                   });
    saveState_ = QObject::connect(
        app, &QGuiApplication::saveStateRequest, app,
        [this](QSessionManager& manager) { RegisterWithSession(manager, executablePath_); });
}

QtSessionEnd::~QtSessionEnd() {
    QObject::disconnect(commitData_);
    QObject::disconnect(saveState_);
}

}  // namespace tocklet
