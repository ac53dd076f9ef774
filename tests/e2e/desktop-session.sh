#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# End to end on a private X server: the real program in a session run by a tiny XSMP session
# manager, which asks for a log-out and records what tocklet sends; then one instance per
# user and display, handed over by the restarts after Escape and after adding a task.
# Usage: desktop-session.sh TOCKLET TOCKLET_REG SETUP_REG TINY_SESSION_MANAGER
set -euo pipefail
source "$(dirname "$0")/../lib/home.sh"
TOCKLET=$(readlink -f "$1") TOCKLET_REG=$2 SETUP_REG=$3 manager=$4
make_work
private_home "$work"
fail_logs+=("$work/app.log")
end_instances() { kill $(instances) 2>/dev/null || true; }
at_exit end_instances
start_private_x 1024x700x24
watch_x_events
fail_details() {
    echo "-- instances: $(instances | tr '\n' ' ')"
    x_windows_report
}

# store_registry USE_PASSWORD: first run done, one task (no start-up message), password
# "secret", protection on (1) or off (0).
store_registry() {
    rm -rf "$XDG_CONFIG_HOME"
    seed_registry "$TOCKLET_REG" "$SETUP_REG" "\"UsePas\"=\"$1\""$'\n"pass"="secret"' \
        '"1"="1110,31_|e2e"'
}
no_instances() { [ -z "$(instances)" ]; }
end_tocklet() {
    stop_process "$app"
    wait_until no_instances || fail "no end: $(instances)"
}

# start CASE USE_PASSWORD INTERACT_STYLE: the manager and tocklet (started by a relative
# path); once tocklet is registered and its start-up is over, the manager asks for a log-out.
start() {
    name=$1 log=$work/$1.log
    store_registry "$2"
    "$manager" "$3" >"$log" &
    sm=$!
    stop_at_exit "$sm"
    wait_until grep -qs '^SESSION_MANAGER=' "$log" || fail "$name: no session manager"
    (cd "$(dirname "$TOCKLET")" && SESSION_MANAGER=$(sed -n 's/^SESSION_MANAGER=//p' "$log") \
        exec ./tocklet) >"$work/app.log" 2>&1 &
    app=$!
    wait_until grep -q '^RegisterClient' "$log" || fail "$name: tocklet did not register"
    wait_until panel_hidden "$app" || fail "$name: the panel did not hide"
    kill -USR1 "$sm"
}
said() { grep -qx "$1" "$log"; }
prompt_open() {
    wait_until said 'InteractRequest normal' || fail "$name: no interaction asked for"
    wait_until prompt_has_focus || fail "$name: no prompt"
}

# check CASE USE_PASSWORD STYLE FIRST_INTERACT_DONE SUCCESS [COMMAND ANSWERING THE PROMPT]
check() {
    start "$1" "$2" "$3"
    [ $# -le 5 ] || { prompt_open && eval "$6"; }
    wait_until grep -q "^SaveYourselfDone" "$log" || { cat "$log"; fail "$1: no answer"; }
    [ "$(grep -m1 '^InteractDone' "$log" || echo none)" = "$4" ] &&
        [ "$(grep -c '^InteractDone' "$log")" -le 1 ] && said "SaveYourselfDone success=$5" &&
        said 'Property RestartStyleHint=3' && grep -q '^Property RestartCommand=/' "$log" &&
        grep '^Property Program=' "$log" | tail -1 | grep -q '=/' || { cat "$log"; fail "$1"; }
    if [ "$4" != none ] && [ "$5" = 0 ]; then
        # A cancel calls the log-out off and tocklet runs on: it still answers a later start.
        panel_shown_by_later_start
        running "$app" || fail "$1: tocklet ended after the log-out was called off"
    else
        # Otherwise the manager's Die ends it.
        wait_until ended "$app" || fail "$1: tocklet runs on after the log-out"
    fi
    end_tocklet
    stop_process "$sm"
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
kill -KILL "$sm"
stop_process "$sm"
xdotool key Escape
wait_until grep -q 'running on without it' "$work/app.log" ||
    fail "killed: the broken connection unseen"
no_prompt() { ! password_prompt >/dev/null; }
wait_until no_prompt || fail "killed: the prompt stays"
# Spinning shows only over time: the CPU it uses in two seconds, in clock ticks.
cpu() { awk '{ print $14 + $15 }' "/proc/$app/stat"; }
before=$(cpu) && sleep 2 && [ $(($(cpu) - before)) -lt 20 ] || fail "killed: tocklet spins"
panel_shown_by_later_start
end_tocklet

# One instance: a later start shows the panel of the running one and ends.
# handed_over OLD: one instance runs, not OLD, and it has finished starting.
handed_over() {
    local now
    now=$(instances)
    [ -n "$now" ] && [ "$now" != "$1" ] && [ "$(wc -l <<<"$now")" = 1 ] && panel_hidden "$now"
}
store_registry 0
(cd "$work" && exec "$TOCKLET") >"$work/app.log" 2>&1 &
app=$!
wait_until test -S "$XDG_RUNTIME_DIR/tocklet-$DISPLAY.socket" || fail "no socket"
wait_until panel_hidden "$app" || fail "the panel did not hide"
panel_shown_by_later_start
[ "$(instances)" = "$app" ] || fail "instances after a later start: $(instances)"
panel=$(wait_shown "$panel_title")
press "$panel" Escape  # in the panel: a fresh instance takes over
wait_until handed_over "$app" || fail "Escape: $(instances)"
app=$(instances)
panel_shown_by_later_start  # then a task added makes the panel restart itself
mark=$(x_events_mark)
panel=$(wait_shown "$panel_title")
press "$panel" alt+f
wait_until popup_since "$mark" || fail "no menu"
xdotool key n
dialog=$(wait_shown '^添加新任务$')
wait_until has_focus "$dialog" || fail "the add-task dialog has no focus"
# Clicks at places of the add-task dialog, 225 x 130 dialog units.
click_dlu "$dialog" 34 24 225 130   # "消息提醒"
click_dlu "$dialog" 42 47 225 130   # "每天都执行"
click_dlu "$dialog" 112 90 225 130  # the reminder text
xdotool type hello
click_dlu "$dialog" 97 116 225 130  # "存入"
box=$(wait_shown '^守时鸟向您提示$')
press "$box" Return
wait_until gone '^守时鸟向您提示$' || fail "the message stays"
click_dlu "$dialog" 185 115 225 130 # "退出"
wait_until handed_over "$app" || fail "add: $(instances)"
"$TOCKLET_REG" tasks | grep -q hello || fail "the task was not stored"
panel_shown_by_later_start
echo "desktop session: all cases passed"
