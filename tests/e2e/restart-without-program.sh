#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# End to end on a private X server: tocklet runs from a copy of its executable, and the copy is
# removed (as when the package is uninstalled or the build folder cleaned). Escape on the
# panel then cannot start a new instance: the running one stays, says why in its box and on
# standard error, and a later start is still shown its panel.
# With SHOT_DIR it also photographs the box (SHOT_DIR/restart-failed.png).
# Usage: restart-without-program.sh TOCKLET TOCKLET_REG SETUP_REG
set -euo pipefail
source "$(dirname "$0")/../lib/home.sh"
TOCKLET=$(readlink -f "$1") TOCKLET_REG=$2 SETUP_REG=$3
make_work
private_home "$work"
fail_logs+=("$work/app.log")
seed_registry "$TOCKLET_REG" "$SETUP_REG" "" '"1"="1110,31_|e2e"'
box_title='^守时鸟向您提示$'
start_private_x 1024x700x24
watch_x_events

mkdir "$work/bin"
cp "$TOCKLET" "$work/bin/tocklet"
(cd "$work" && exec "$work/bin/tocklet") >"$work/app.log" 2>&1 &
app=$!
stop_at_exit "$app"
# Up and running: the panel shows, then hides itself in the notification area.
wait_until panel_hidden "$app" || fail "the panel did not show and hide at the start"
rm "$work/bin/tocklet"

# Later starts are the build's own program, which asks the running one.
panel_shown_by_later_start
panel=$(wait_shown "$panel_title")
press "$panel" Escape
box=$(wait_shown "$box_title")
running "$app" || fail "tocklet ended after Escape"
why="cannot start a new instance: $work/bin/tocklet: No such file or directory"
wait_until grep -q "$why" "$work/app.log" || fail "standard error does not say why"
[ -z "$(instances)" ] || fail "another instance runs: $(instances)"
[ -z "${SHOT_DIR:-}" ] || picture_of "$SHOT_DIR/restart-failed.png" -id "$box"
echo "Escape without the program: tocklet runs on and says why"

# The box closed, tocklet goes on, and still answers a later start in the slot it kept.
press "$box" Return
wait_until gone "$box_title" || fail "the message did not close"
panel_shown_by_later_start
running "$app" || fail "tocklet ended after its message or a later start"
echo "restart without the program: all cases passed"
