// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The desktop session manager's question before it ends the session (log-out, shutdown).

namespace tocklet {

/// One request to end the session, answered once: allowed, or refused so that the session
/// manager calls the log-out off.
class SessionEndQuery {
public:
    SessionEndQuery() = default;
    virtual ~SessionEndQuery() = default;
    SessionEndQuery(const SessionEndQuery&) = delete;
    SessionEndQuery& operator=(const SessionEndQuery&) = delete;

    /// Whether the program may ask the user now; waits until the session manager lets it or
    /// says no.
    [[nodiscard]] virtual bool AllowsInteraction() = 0;

    /// Lets the session end.
    virtual void Allow() = 0;

    /// Refuses the session end.
    virtual void Refuse() = 0;
};

}  // namespace tocklet
