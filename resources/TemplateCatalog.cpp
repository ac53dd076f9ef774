// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <array>

#include "resources/Templates.h"

namespace tocklet {

const DialogTemplate* FindTemplate(int id) {
    using Getter = const DialogTemplate& (*)();
    static constexpr std::array kAll{
        &MainPanelTemplate,      &ReminderTemplate,       &FirstPasswordTemplate,
        &ChangePasswordTemplate, &PasswordPromptTemplate, &DeleteTaskTemplate,
        &AddTaskTemplate,        &UserInfoTemplate,       &FloatClockTemplate,
        &ClockColorTemplate,     &AboutTemplate,          &ShutdownTimeTemplate,
        &ShutdownWarnTemplate,
    };
    for (Getter getter : kAll) {
        const DialogTemplate& dialog = getter();
        if (dialog.id == id) return &dialog;
    }
    return nullptr;
}

const ControlTemplate* FindControl(const DialogTemplate& dialog, int id) {
    if (id == kNoControlId) return nullptr;
    for (const ControlTemplate& control : dialog.controls)
        if (control.id == id) return &control;
    return nullptr;
}

}  // namespace tocklet
