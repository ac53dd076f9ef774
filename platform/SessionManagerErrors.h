// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The connection to the desktop's session manager (XSMP over ICE) when it fails.

namespace tocklet {

/// Makes a broken or failing session manager connection end quietly while the program runs
/// on; libICE's and libSM's default handlers would end the process.
void KeepRunningWithoutSessionManager();

}  // namespace tocklet
