#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# One whole session of the real program, built with AddressSanitizer, under LeakSanitizer on a
# private X server: start just before a full hour (chime with sound and message), two
# reminders due at one minute, a task added through the add-task dialog (the program restarts
# itself), then the exit command of the restarted instance. Each process writes its leak
# report when it ends; with the suppressions in lsan.supp (libraries' lifetime caches only)
# nothing may be reported.
# Usage: leak-session.sh TOCKLET TOCKLET_REG SETUP_REG   (TOCKLET from a -DTOCKLET_SANITIZE=ON build)
# LEAK_SUPPRESSIONS=/dev/null shows what the list hides (a check that leaks are reported).
set -euo pipefail
if [ -z "${TOCKLET_IN_X:-}" ]; then
    source "$(dirname "$0")/../helpers/xserver.sh"
    export TOCKLET_IN_X=1
    in_private_x 1024x700x24 "$0" "$@" && exit 0 || exit
fi
TOCKLET=$(readlink -f "$1") TOCKLET_REG=$2 SETUP_REG=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
trap 'kill $(instances) 2>/dev/null || true; rm -rf "$work"' EXIT
source "$here/lib.sh"
e2e_private_home "$work"
# The chime with sound and message, and two reminders; this "happen" (two tasks) replaces
# the seeded count.
e2e_seed_registry "$TOCKLET_REG" "$SETUP_REG" "" \
    $'"ClockOpen"=hex(1):31\n"music"=hex(1):31,00\n"word"=hex(1):31,00,00\n"happen"=hex(1):32,00,00\n"1"="1111,1_|first"\n"2"="1111,1_|second"'

# The local clock of the session starts at 10:59:50 through a time zone of its own (an offset
# in hours, minutes and seconds), so that both instances share it and the restarted one goes
# on from where the first one was. Not libfaketime: LeakSanitizer's end-of-process check
# aborts in a process that has it preloaded, and so would report nothing.
now=$(date -u +%s)
ahead=$(((10 * 3600 + 59 * 60 + 50 - now % 86400 + 86400) % 86400))  # local - UTC, seconds
[ "$ahead" -gt 43200 ] && ahead=$((ahead - 86400))
if [ "$ahead" -ge 0 ]; then sign=-; else sign=+ ahead=$((-ahead)); fi  # POSIX: west is +
zone=$(printf 'LKT%s%02d:%02d:%02d' "$sign" $((ahead / 3600)) $((ahead / 60 % 60)) $((ahead % 60)))
run_tocklet() {
    TZ=$zone ASAN_OPTIONS=detect_leaks=1:log_path=$work/asan \
        LSAN_OPTIONS=suppressions=${LEAK_SUPPRESSIONS:-$here/lsan.supp} UBSAN_OPTIONS=print_stacktrace=1 "$TOCKLET"
}

fail() { echo "FAIL: $*"; cat "$work/app.log"; exit 1; }
window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
shown() { [ -n "$(window "$1")" ]; }  # looked up again at each try of wait_until
gone() { [ -z "$(window "$1")" ]; }
running() { [ -n "$(instances)" ]; }
press() {  # NAME KEY: focus the window titled NAME and press KEY in it
    local w
    w=$(window "$1") && [ -n "$w" ] && xdotool windowfocus --sync "$w" key "$2"
}
step() { echo "leak session: $*"; }

(cd "$work" && run_tocklet) > "$work/app.log" 2>&1 &
first=$!
step "started (pid $first)"
wait_until 60 shown '^整 点 提 醒$' || fail "no chime message"
step "chime" && press '^整 点 提 醒$' Return
for n in 1 2; do
    wait_until 120 shown '^Hi$' || fail "no reminder $n"
    sleep 1
    step "reminder $n" && press '^Hi$' Return && sleep 1
done
wait_until 10 gone '^Hi$' || fail "a reminder stays open"

# The add-task dialog from the panel's menu, as a user: the panel comes back with a later start.
run_tocklet 2>/dev/null || true
wait_until 20 shown '^超级守时鸟' || fail "no panel"
press '^超级守时鸟' alt+f && sleep 0.5 && xdotool key n
wait_until 10 shown '^添加新任务$' || fail "no add-task dialog"
dialog=$(window '^添加新任务$')
click_dlu() {  # X Y: a click at (X, Y) dialog units in the add-task dialog, 225 x 130 units
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$dialog")"
    xdotool mousemove --sync $((X + WIDTH * $1 / 225)) $((Y + HEIGHT * $2 / 130)) click 1
}
click_dlu 34 24 && click_dlu 42 47 && click_dlu 112 90
xdotool type added
click_dlu 97 116
wait_until 10 shown '^守时鸟向您提示$' || fail "the task was not stored"
press '^守时鸟向您提示$' Return && sleep 0.5
click_dlu 185 115
step "task added, restarting"
wait_until 30 eval '! kill -0 $first 2>/dev/null' || fail "the first instance did not end"
# A leak check that could not run (the process aborted at its end) must not pass as clean.
rc=0 && wait "$first" || rc=$?
[ "$rc" -eq 0 ] || fail "the first instance ended with status $rc"
wait_until 30 running || fail "no restarted instance"
second=$(instances)
sleep 3
run_tocklet 2>/dev/null || true
wait_until 20 shown '^超级守时鸟' || fail "restarted: no panel"
press '^超级守时鸟' alt+f && sleep 0.5 && xdotool key x
wait_until 30 eval '! kill -0 $second 2>/dev/null' || fail "the exit command did not end it"
step "quit (pid $second)"
"$TOCKLET_REG" tasks | grep -q added || fail "the added task is not stored"

reports=$(cat "$work"/asan.* 2>/dev/null || true)
if [ -n "$reports" ]; then
    echo "$reports" | head -80
    fail "sanitizer reports above"
fi
echo "leak session: no leak reports from any instance; all passed"
