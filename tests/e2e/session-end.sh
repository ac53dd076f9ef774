#!/usr/bin/env bash
# End to end: the real program in a desktop session run by a tiny XSMP session manager, on a
# private X server. The manager asks for a log-out and records every message tocklet sends.
# Usage: session-end.sh TOCKLET TOCKLET_REG SETUP_REG TINY_SESSION_MANAGER
set -euo pipefail
[ -n "${TOCKLET_IN_X:-}" ] || TOCKLET_IN_X=1 exec xvfb-run -a -s '-screen 0 1024x700x24' "$0" "$@"
TOCKLET=$(readlink -f "$1") TOCKLET_REG=$2 SETUP_REG=$3 manager=$4
source "$(dirname "$0")/session-lib.sh"

# start CASE USE_PASSWORD INTERACT_STYLE: the manager, and tocklet started by a relative path;
# once it is registered and hidden, the manager asks for a log-out.
start() {
    name=$1 log=$work/$1.log
    store_registry "$2"
    "$manager" "$3" > "$log" &
    sm=$!
    pids_to_end+=("$sm")
    wait_until 5 grep -qs '^SESSION_MANAGER=' "$log" || fail "$name: no session manager"
    (cd "$(dirname "$TOCKLET")" &&
        SESSION_MANAGER=$(sed -n 's/^SESSION_MANAGER=//p' "$log") exec ./tocklet) \
        > "$work/app.log" 2>&1 &
    app=$!
    wait_until 20 grep -q '^RegisterClient' "$log" || fail "$name: tocklet did not register"
    sleep 1.5
    kill -USR1 "$sm"
}
said() { grep -qx "$1" "$log"; }
expect() { said "$1" || { cat "$log"; fail "$name: no \"$1\""; }; }
refuse() { ! said "$1" || { cat "$log"; fail "$name: \"$1\""; }; }
first_interact_done() { grep -m1 '^InteractDone' "$log" || echo none; }
answered() { wait_until 20 grep -q '^SaveYourselfDone' "$log" || { cat "$log"; fail "$name: no answer"; }; }
prompt_open() { wait_until 10 said 'InteractRequest normal' || fail "$name: no prompt"; sleep 1; }
stop() {
    kill "$app" "$sm" 2>/dev/null || true
    wait_until 10 test -z "$(instances)" || fail "$name: tocklet does not end"
}

# Refused: the prompt cancelled; the one InteractDone carries the cancel, at once.
start refused 1 any
prompt_open
xdotool key Escape
answered
[ "$(first_interact_done)" = "InteractDone cancel=1" ] || fail "refused: $(first_interact_done)"
[ "$(grep -c '^InteractDone' "$log")" = 1 ] || fail "refused: more than one InteractDone"
expect 'SaveYourselfDone success=0'
# Never restarted by the session; what it registers is absolute.
expect 'Property RestartStyleHint=3'
grep -q '^Property RestartCommand=/' "$log" || fail "restart command not absolute"
grep '^Property Program=' "$log" | tail -1 | grep -q '^Property Program=/' || fail "program not absolute"
sleep 1
kill -0 "$app" || fail "refused: tocklet ended"
stop

# The right password: the session ends, and tocklet with it.
start accepted 1 any
prompt_open
xdotool type secret
xdotool key Return
answered
[ "$(first_interact_done)" = "InteractDone cancel=0" ] || fail "accepted: $(first_interact_done)"
refuse 'InteractDone cancel=1'
expect 'SaveYourselfDone success=1'
wait_until 10 eval '! kill -0 "$app" 2>/dev/null' || fail "accepted: tocklet still running after Die"
stop

# Protection off: no question at all.
start open 0 any
answered
refuse 'InteractRequest normal'
expect 'SaveYourselfDone success=1'
stop

# Protection on, and the manager lets nobody ask (style none) or only about errors: refused.
start no-interaction 1 none
answered
refuse 'InteractRequest normal'
expect 'SaveYourselfDone success=0'
stop
start errors-only 1 errors
answered
[ "$(first_interact_done)" = "InteractDone cancel=1" ] || fail "errors-only: $(first_interact_done)"
expect 'SaveYourselfDone success=0'
stop

# The manager killed while the prompt is open: tocklet answers into the void, keeps running,
# does not spin on the dead connection, and still serves a later start.
start killed 1 any
prompt_open
{ kill -KILL "$sm" && wait "$sm"; } 2>/dev/null || true
sleep 0.5
xdotool key Escape
sleep 1
kill -0 "$app" || fail "killed: tocklet ended"
grep -q 'running on without it' "$work/app.log" || fail "killed: the broken connection went unnoticed"
cpu() { awk '{ print $14 + $15 }' "/proc/$app/stat"; }
before=$(cpu)
sleep 2
[ $(($(cpu) - before)) -lt 20 ] || fail "killed: tocklet keeps the processor busy"
"$TOCKLET" 2> "$work/later.err" || fail "killed: a later start failed"
grep -q 'its panel is shown' "$work/later.err" || fail "killed: no answer to a later start"
stop
echo "session end: all cases passed"
