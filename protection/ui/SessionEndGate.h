// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The session end behind the settings password.

#include <functional>

namespace tocklet {

class SessionEndQuery;

/// Answers the session manager's request to end the session, in one step: allowed without a
/// question while protection is off; with protection on, refused when the user may not be
/// asked, else allowed exactly when askPassword (the password prompt) accepts.
void AnswerSessionEnd(SessionEndQuery& query, bool protectionOn,
                      const std::function<bool()>& askPassword);

}  // namespace tocklet
