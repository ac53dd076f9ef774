// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "protection/ui/PasswordEdit.h"

#include <QLineEdit>

#include "controls/GbLimitValidator.h"

namespace tocklet {

void MakePasswordEdit(QLineEdit* edit) {
    if (edit == nullptr) return;
    edit->setEchoMode(QLineEdit::Password);
    // Every character takes at least one byte, so no more characters than bytes can fit.
    edit->setMaxLength(static_cast<int>(kPasswordMaxBytes));
    edit->setValidator(new GbLimitValidator(kPasswordMaxBytes, GbLimitValidator::Euro::kAllow,
                                            GbLimitValidator::Breach::kDropCharacters, edit));
}

}  // namespace tocklet
