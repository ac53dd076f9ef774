#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# End to end: the real program, on a private X server, at a chosen wall-clock time (faketime,
# ten times faster, half a minute before the first whole one so that a slow start-up still
# sees it), with a stored message task due in the minute after the first whole one;
# the "Hi" pop-up must appear.
# Usage: reminder-fires.sh TOCKLET TOCKLET_REG SETUP_REG [SCREENSHOT.png]
set -euo pipefail
source "$(dirname "$0")/../lib/home.sh"
source "$(dirname "$0")/../lib/faketime.sh"
tocklet=$1 reg=$2 setup=$3 shot=${4:-}
make_work
private_home "$work"
fail_logs+=("$work/app.log")
# "开会" in code page 936.
seed_registry "$reg" "$setup" "" $'"1"="1110,31_|\xbf\xaa\xbb\xe1 e2e"'
"$reg" tasks

start_private_x 1024x700x24
cd "$work"
exec_at_time '@2026-12-07 10:29:30 x10' "$tocklet" >"$work/app.log" 2>&1 &
app=$!
stop_at_exit "$app"
# Half a minute of its clock to the first whole minute, one more to the task: 9 s of real time.
reminder_or_end() { shown '^Hi$' || ended "$app"; }
wait_until reminder_or_end || fail "no reminder window within $WAIT_LIMIT s"
shown '^Hi$' || fail "tocklet ended early"
echo "reminder window appeared after $SECONDS s"
[ -z "$shot" ] || picture_of "$shot" -root -- -trim +repage
