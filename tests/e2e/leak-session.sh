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
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../lib/home.sh"
TOCKLET=$(readlink -f "$1") TOCKLET_REG=$2 SETUP_REG=$3
make_work
private_home "$work"
fail_logs+=("$work/app.log")
end_instances() { kill $(instances) 2>/dev/null || true; }
at_exit end_instances
fail_details() { cat "$work"/asan.* 2>/dev/null | head -80; }
# The chime with sound and message, and two reminders; this "happen" (two tasks) replaces
# the seeded count.
seed_registry "$TOCKLET_REG" "$SETUP_REG" "" \
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
# The log holds reports only: LeakSanitizer's count of suppressed leaks stays out of it.
run_tocklet() {
    TZ=$zone ASAN_OPTIONS=detect_leaks=1:log_path=$work/asan \
        LSAN_OPTIONS=suppressions=${LEAK_SUPPRESSIONS:-$here/lsan.supp}:print_suppressions=0 \
        UBSAN_OPTIONS=print_stacktrace=1 "$TOCKLET"
}
# later_start: a second start, which shows the running one's panel and ends.
later_start() {
    run_tocklet 2>/dev/null &
    reap $! || true
}
step() { echo "leak session: $*"; }
# menu_key KEY: the panel's 时间参数设置 menu (Alt+F) opened, then KEY pressed in it.
menu_key() {
    local mark panel
    mark=$(x_events_mark)
    panel=$(wait_shown "$panel_title")
    press "$panel" alt+f
    wait_until popup_since "$mark" || fail "no menu"
    xdotool key "$1"
}
no_instance() { [ -z "$(instances)" ]; }

start_private_x 1024x700x24
watch_x_events
(cd "$work" && run_tocklet) >"$work/app.log" 2>&1 &
first=$!
step "started (pid $first)"
chime=$(wait_shown '^整 点 提 醒$')
step "chime" && press "$chime" Return
for n in 1 2; do
    # Due at 11:01, 70 s after the start.
    reminder=$(WAIT_LIMIT=150 wait_shown '^Hi$')
    step "reminder $n" && press "$reminder" Return
    wait_until eval '! viewable "$reminder"' || fail "reminder $n stays open"
done
wait_until gone '^Hi$' || fail "a reminder stays open"

# The add-task dialog from the panel's menu, as a user: the panel comes back with a later start.
later_start
menu_key n
dialog=$(wait_shown '^添加新任务$')
wait_until has_focus "$dialog" || fail "the add-task dialog has no focus"
# Clicks at places of the add-task dialog, 225 x 130 dialog units.
click_dlu "$dialog" 34 24 225 130 && click_dlu "$dialog" 42 47 225 130
click_dlu "$dialog" 112 90 225 130
xdotool type added
click_dlu "$dialog" 97 116 225 130
box=$(wait_shown '^守时鸟向您提示$')
press "$box" Return
wait_until gone '^守时鸟向您提示$' || fail "the message stays"
click_dlu "$dialog" 185 115 225 130
step "task added, restarting"
wait_until ended "$first" || fail "the first instance did not end"
# A leak check that could not run (the process aborted at its end) must not pass as clean.
rc=0 && wait "$first" || rc=$?
[ "$rc" -eq 0 ] || fail "the first instance ended with status $rc"
wait_until eval '! no_instance' || fail "no restarted instance"
second=$(instances)
wait_until panel_hidden "$second" || fail "restarted: the panel did not hide"
later_start
menu_key x
wait_until ended "$second" || fail "the exit command did not end it"
step "quit (pid $second)"
"$TOCKLET_REG" tasks | grep -q added || fail "the added task is not stored"

reports=$(cat "$work"/asan.* 2>/dev/null || true)
if [ -n "$reports" ]; then
    echo "$reports" | head -80
    fail "sanitizer reports above"
fi
echo "leak session: no leak reports from any instance; all passed"
