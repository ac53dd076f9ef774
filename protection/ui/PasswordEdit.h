// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Password edit boxes: masked, and limited to a number of bytes of code page 936 the way the
// stored password counts them.

#include "protection/PasswordRules.h"

class QLineEdit;

namespace tocklet {

/// Masks the edit and keeps its text within kPasswordMaxBytes of code page 936. Characters
/// code page 936 has no form for are refused; when an insertion would pass the limit, the
/// inserted characters just before the cursor are dropped whole until it fits, so a two-byte
/// character is never cut.
void MakePasswordEdit(QLineEdit* edit);

}  // namespace tocklet
