// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "protection/ui/SessionEndGate.h"

#include "platform/SessionEnd.h"

namespace tocklet {

void AnswerSessionEnd(SessionEndQuery& query, bool protectionOn,
                      const std::function<bool()>& askPassword) {
    if (!protectionOn) {
        query.Allow();
        return;
    }
    // Nobody may be asked (the manager forbids it or called the log-out off meanwhile): the
    // guarded session end is refused, as a prompt that was not passed refuses it.
    if (!query.AllowsInteraction()) {
        query.Refuse();
        return;
    }
    if (askPassword()) {
        query.Allow();
    } else {
        query.Refuse();
    }
}

}  // namespace tocklet
