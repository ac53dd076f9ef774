#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# End to end: a suspend of two hours under Xvfb. A fake logind on a private system bus
# announces PrepareForSleep(true), the faked clock jumps from 10:29 to 12:29, then
# PrepareForSleep(false) follows: the reminder due at 11:00 shows, late, with its due time in
# its title, and the program task due at 11:30 does not run.
# With SCREENSHOT.png it also photographs the late reminder, with openbox's frame and title.
# Usage: resume-late-reminder.sh TOCKLET TOCKLET_REG SETUP_REG FAKE_LOGIN1 [SCREENSHOT.png]
set -euo pipefail
source "$(dirname "$0")/../lib/home.sh"
source "$(dirname "$0")/../lib/faketime.sh"
tocklet=$(realpath "$1") reg=$(realpath "$2") setup=$3 fake=$(realpath "$4") shot=${5:+$(realpath "$5")}
make_work
private_home "$work"
fail_logs+=("$work/app.log")
printf '#!/bin/sh\ntouch "%s/ran"\n' "$work" >"$work/task.sh"
chmod +x "$work/task.sh"
seed_registry "$reg" "$setup" "" \
    $'"happen"=hex(1):32,00,00\n"1"="1111,0_|missed e2e"\n'"\"2\"=\"0111,30_|$work/task.sh\""

start_private_bus bus
"$fake" "$bus_address" "$work/login1.log" >"$work/login1.out" &
stop_at_exit $!
wait_until grep -q '^ready' "$work/login1.out" || fail "the fake logind did not start"
export DBUS_SYSTEM_BUS_ADDRESS=$bus_address
[[ $bus_address == "unix:path=$work/bus,"* ]] || fail "the system bus is not the private one"
sleep_signal() {
    dbus-send --system --print-reply --dest=org.freedesktop.login1 /org/freedesktop/login1 \
        org.freedesktop.login1.Manager.SimulatePrepareForSleep "boolean:$1" >/dev/null
}

start_private_x 1024x700x24
[ -z "$shot" ] || start_window_manager
watch_x_events
cd "$work"
echo '@2026-12-07 10:29:30' >"$work/clock"
exec_at_time_file "$work/clock" "$tocklet" >"$work/app.log" 2>&1 &
app=$!
stop_at_exit "$app"
# It listens from its start; the hidden panel shows the start-up is over.
wait_until panel_hidden "$app" || fail "the panel did not finish its start-up"
sleep_signal true
echo '@2026-12-07 12:29:30' >"$work/clock"
sleep_signal false
late() { shown '应于 2026-12-07 11:00$' || ended "$app"; }
wait_until late || fail "no late reminder within $WAIT_LIMIT s"
shown '应于 2026-12-07 11:00$' || fail "tocklet ended early"
[ ! -e "$work/ran" ] || fail "the program task of the sleep ran late"
running "$app" || fail "tocklet ended"
[ -z "$shot" ] || picture_of "$shot" -root -- -trim +repage
echo "late reminder shown: $(xdotool getwindowname "$(window '应于 2026-12-07 11:00$')")"
