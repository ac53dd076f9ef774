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
if [ -z "${TOCKLET_IN_X:-}" ]; then
    source "$(dirname "$0")/../helpers/xserver.sh"
    export TOCKLET_IN_X=1
    in_private_x 1024x700x24 "$0" "$@" && exit 0 || exit
fi
TOCKLET=$(readlink -f "$1") TOCKLET_REG=$2 SETUP_REG=$3 work=$(mktemp -d) app=
trap 'kill $app 2>/dev/null || true; rm -rf "$work"' EXIT
source "$(dirname "$0")/lib.sh"
e2e_private_home "$work"
e2e_seed_registry "$TOCKLET_REG" "$SETUP_REG" "" '"1"="1110,31_|e2e"'

fail() { echo "FAIL: $*"; cat "$work/app.log"; exit 1; }
panel_shown() { xdotool search --onlyvisible --name '^超级守时鸟' >/dev/null; }
box_shown() { xdotool search --onlyvisible --name '^守时鸟向您提示$' >/dev/null; }
running() { kill -0 "$app" 2>/dev/null; }
# press NAME KEY: the key typed into the shown window whose title starts with NAME.
press() {
    xdotool search --onlyvisible --name "$1" windowfocus --sync
    xdotool key "$2"
}
# later_start_shows_panel: another start (the build's own program) asks the running one.
later_start_shows_panel() {
    "$TOCKLET" 2> "$work/later.err" || fail "a later start ended with status $?"
    grep -q 'its panel is shown' "$work/later.err" || fail "a later start: $(cat "$work/later.err")"
    wait_until 10 panel_shown || fail "no panel after a later start"
}

mkdir "$work/bin"
cp "$TOCKLET" "$work/bin/tocklet"
(cd "$work" && exec "$work/bin/tocklet") > "$work/app.log" 2>&1 &
app=$!
# Up and running: the panel shows, then hides itself in the notification area.
wait_until 30 panel_shown || fail "no panel at the start"
wait_until 10 eval '! panel_shown' || fail "the panel did not hide"
rm "$work/bin/tocklet"

later_start_shows_panel
press '^超级守时鸟' Escape
wait_until 20 box_shown || fail "no message after Escape"
running || fail "tocklet ended after Escape"
grep -q "cannot start a new instance: $work/bin/tocklet: No such file or directory" "$work/app.log" ||
    fail "standard error does not say why"
[ -z "$(instances)" ] || fail "another instance runs: $(instances)"
if [ -n "${SHOT_DIR:-}" ]; then
    box=$(xdotool search --onlyvisible --name '^守时鸟向您提示$' | head -1)
    xwd -id "$box" -silent | convert xwd:- "$SHOT_DIR/restart-failed.png"
fi
echo "Escape without the program: tocklet runs on and says why"

# The box closed, tocklet goes on, and still answers a later start in the slot it kept.
press '^守时鸟向您提示$' Return
wait_until 10 eval '! box_shown' || fail "the message did not close"
running || fail "tocklet ended after its message"
later_start_shows_panel
running || fail "tocklet ended after a later start"
echo "restart without the program: all cases passed"
