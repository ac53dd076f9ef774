#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# End to end on a private X server and a faked clock (six times as fast): tocklet runs with one
# task for the evening; `tocklet-reg task add --daily --at 10:30 --message 开会` adds one for
# 10:30 while it runs. The same tocklet process, never restarted, reads its list again from
# the registry file and shows the reminder at 10:30.
# Usage: task-from-shell.sh TOCKLET TOCKLET_REG SETUP_REG
set -euo pipefail
source "$(dirname "$0")/../lib/home.sh"
source "$(dirname "$0")/../lib/faketime.sh"
TOCKLET=$(readlink -f "$1") reg=$2 setup=$3
make_work
private_home "$work"
fail_logs+=("$work/app.log" "$work/reg.log")
seed_registry "$reg" "$setup" "" '"1"="1123,0_|evening"'

start_private_x 1024x700x24
watch_x_events
cd "$work"
# Two and a half minutes of its clock before 10:30: 25 s of real time for the start-up and
# the add, and a task check at 10:29 that finds nothing due.
exec_at_time '@2026-12-07 10:27:30 x6' "$TOCKLET" >"$work/app.log" 2>&1 &
app=$!
stop_at_exit "$app"
wait_until panel_hidden "$app" || fail "the panel did not show and hide at the start"

"$reg" task add --daily --at 10:30 --message 开会 >"$work/reg.log" 2>&1 ||
    fail "tocklet-reg task add ended with status $?"
grep -q ' 2  message  every day        10:30  开会' "$work/reg.log" ||
    fail "the task was not added"
read_again() {
    grep -q 'task list changed in the registry file and was read again (2 tasks)' "$work/app.log"
}
wait_until read_again || fail "tocklet did not read the changed task list again"
echo "the running tocklet read the new list after $SECONDS s"

reminder_or_end() { shown '^Hi$' || ended "$app"; }
wait_until reminder_or_end || fail "no reminder window within $WAIT_LIMIT s"
shown '^Hi$' || fail "tocklet ended early"
[ "$(instances)" = "$app" ] || fail "not the first tocklet alone: $(instances)"
echo "the task added from the shell fired in the same tocklet after $SECONDS s"
