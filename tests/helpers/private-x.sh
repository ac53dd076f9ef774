#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# Runs a command on a private X server (Xvfb) with Qt on it, as xvfb-run does, but on a display
# of its own that a client has reached before the command starts (see tests/lib/x.sh).
set -uo pipefail
source "$(dirname "$0")/../lib/x.sh"
start_private_x || exit 1
QT_QPA_PLATFORM=xcb "$@"
