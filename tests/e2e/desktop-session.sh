#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# End to end on a private X server: the real program in a session run by a tiny XSMP session
# manager, which asks for a log-out and records what tocklet sends; then one instance per
# user and display, handed over by the restarts after Escape and after adding a task.
# Usage: desktop-session.sh TOCKLET TOCKLET_REG SETUP_REG TINY_SESSION_MANAGER
set -euo pipefail
if [ -z "${TOCKLET_IN_X:-}" ]; then
    source "$(dirname "$0")/../helpers/xserver.sh"
    export TOCKLET_IN_X=1
    in_private_x 1024x700x24 "$0" "$@" && exit 0 || exit
fi
TOCKLET=$(readlink -f "$1") TOCKLET_REG=$2 SETUP_REG=$3 manager=$4 work=$(mktemp -d) sm=
trap 'kill $(instances) $sm 2>/dev/null || true; rm -rf "$work"' EXIT
source "$(dirname "$0")/lib.sh"
e2e_private_home "$work"

# store_registry USE_PASSWORD: first run done, one task (no start-up message), password
# "secret", protection on (1) or off (0).
store_registry() {
    rm -rf "$XDG_CONFIG_HOME"
    e2e_seed_registry "$TOCKLET_REG" "$SETUP_REG" "\"UsePas\"=\"$1\""$'\n"pass"="secret"' \
        '"1"="1110,31_|e2e"'
}
fail() { echo "FAIL: $*"; cat "$work/app.log"; exit 1; }
later_start_shows_panel() {
    "$TOCKLET" 2> "$work/later.err" || fail "a later start ended with status $?"
    grep -q 'its panel is shown' "$work/later.err" || fail "a later start: $(cat "$work/later.err")"
    wait_until 5 xdotool search --onlyvisible --name '^超级守时鸟' >/dev/null || fail "no panel"
}
end_tocklet() { kill "$app" 2>/dev/null || true; wait_until 10 test -z "$(instances)" || fail "no end"; }

# start CASE USE_PASSWORD INTERACT_STYLE: the manager and tocklet (started by a relative
# path); once tocklet is registered and hidden, the manager asks for a log-out.
start() {
    name=$1 log=$work/$1.log
    store_registry "$2"
    "$manager" "$3" > "$log" &
    sm=$!
    wait_until 5 grep -qs '^SESSION_MANAGER=' "$log" || fail "$name: no session manager"
    (cd "$(dirname "$TOCKLET")" && SESSION_MANAGER=$(sed -n 's/^SESSION_MANAGER=//p' "$log") \
        exec ./tocklet) > "$work/app.log" 2>&1 &
    app=$!
    wait_until 20 grep -q '^RegisterClient' "$log" || fail "$name: tocklet did not register"
    sleep 1.5
    kill -USR1 "$sm"
}
said() { grep -qx "$1" "$log"; }
prompt_open() { wait_until 10 said 'InteractRequest normal' && sleep 1 || fail "$name: no prompt"; }

# check CASE USE_PASSWORD STYLE FIRST_INTERACT_DONE SUCCESS [COMMAND ANSWERING THE PROMPT]
check() {
    start "$1" "$2" "$3"
    [ $# -le 5 ] || { prompt_open && eval "$6"; }
    wait_until 20 grep -q "^SaveYourselfDone" "$log" || { cat "$log"; fail "$1: no answer"; }
    [ "$(grep -m1 '^InteractDone' "$log" || echo none)" = "$4" ] &&
        [ "$(grep -c '^InteractDone' "$log")" -le 1 ] && said "SaveYourselfDone success=$5" &&
        said 'Property RestartStyleHint=3' && grep -q '^Property RestartCommand=/' "$log" &&
        grep '^Property Program=' "$log" | tail -1 | grep -q '=/' || { cat "$log"; fail "$1"; }
    # A cancel calls the log-out off and tocklet runs on; else the manager's Die ends it.
    if [ "$4" != none ] && [ "$5" = 0 ]; then sleep 1 && kill -0 "$app"; else wait_until 10 eval '! kill -0 $app 2>&-'; fi ||
        fail "$1: running or not"
    end_tocklet
    kill "$sm"
}
check refused 1 any "InteractDone cancel=1" 0 'xdotool key Escape'
check accepted 1 any "InteractDone cancel=0" 1 'xdotool type secret && xdotool key Return'
check unprotected 0 any none 1
check no-interaction 1 none none 0
check errors-only 1 errors "InteractDone cancel=1" 0

# The manager killed while the prompt is open: tocklet answers into the void, runs on
# without spinning on the dead connection, and still serves a later start.
start killed 1 any
prompt_open
{ kill -KILL "$sm" && wait "$sm"; } 2>/dev/null || true
xdotool sleep 0.5 key Escape sleep 1
grep -q 'running on without it' "$work/app.log" || fail "killed: the broken connection unseen"
cpu() { awk '{ print $14 + $15 }' "/proc/$app/stat"; }  # clock ticks used so far
before=$(cpu) && sleep 2 && [ $(($(cpu) - before)) -lt 20 ] || fail "killed: tocklet spins"
later_start_shows_panel
end_tocklet

# One instance: a later start shows the panel of the running one and ends.
handed_over() { local now; now=$(instances); [ -n "$now" ] && [ "$now" != "$1" ] && [ "$(wc -l <<< "$now")" = 1 ]; }
click_dlu() {  # X Y: a click at (X, Y) dialog units in the add-task dialog, 225 x 130 units
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$dialog")"
    xdotool mousemove --sync $((X + WIDTH * $1 / 225)) $((Y + HEIGHT * $2 / 130)) click 1
}
store_registry 0
(cd "$work" && exec "$TOCKLET") > "$work/app.log" 2>&1 &
app=$!
wait_until 20 test -S "$XDG_RUNTIME_DIR/tocklet-$DISPLAY.socket" && sleep 1.5 || fail "no socket"
later_start_shows_panel
[ "$(instances)" = "$app" ] || fail "instances after a later start: $(instances)"
xdotool key Escape  # in the panel: a fresh instance takes over
wait_until 20 handed_over "$app" && sleep 1 && handed_over "$app" || fail "Escape: $(instances)"
app=$(instances)
later_start_shows_panel  # then a task added makes the panel restart itself
xdotool key alt+f sleep 0.5 key n
dialog=$(xdotool sleep 1 search --sync --onlyvisible --name '^添加新任务$')
click_dlu 34 24    # "消息提醒"
click_dlu 42 47    # "每天都执行"
click_dlu 112 90   # the reminder text
xdotool type hello
click_dlu 97 116   # "存入"
wait_until 5 xdotool search --onlyvisible --name '^守时鸟向您提示$' >/dev/null || fail "not stored"
xdotool key Return sleep 0.5
click_dlu 185 115  # "退出"
wait_until 20 handed_over "$app" && sleep 1 && handed_over "$app" || fail "add: $(instances)"
"$TOCKLET_REG" tasks | grep -q hello || fail "the task was not stored"
later_start_shows_panel
echo "desktop session: all cases passed"
