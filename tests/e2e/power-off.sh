#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# End to end: the real program's power-off under Xvfb and openbox at a faked time (ten times
# faster), protection on; the system bus is a private dbus-daemon, proved so before tocklet
# starts, on which a fake logind records PowerOff calls.
# With SCREENSHOT.png it also photographs the countdown once its bar is half full.
# Usage: power-off.sh TOCKLET TOCKLET_REG SETUP_REG FAKE_LOGIN1 [SCREENSHOT.png]
set -euo pipefail
source "$(dirname "$0")/../lib/home.sh"
source "$(dirname "$0")/../lib/faketime.sh"
tocklet=$(realpath "$1") reg=$(realpath "$2") setup=$3 fake=$(realpath "$4") shot=${5:+$(realpath "$5")}
make_work
# Every sound goes into a file; close.wav lies in the folder tocklet runs in.
private_home "$work" "pcm.!default { type file slave.pcm \"null\" file \"$work/played.raw\" format \"raw\" }"
fail_logs+=("$work/app.log")
cp "$(dirname "$setup")/sounds/close.wav" "$work/"
# Power off at 10:30:00, back 2 minutes after a cancel; password "pw".
seed_registry "$reg" "$setup" $'"UsePas"="1"\n"pass"="pw"' \
    $'"1"="111,0_|night"\n"CloseHour"=hex(1):31,30,3a,33,30,3a,30,00,00,00\n"DelayTime"=hex(1):32,00,00'

start_private_bus bus
address=$bus_address
"$fake" "$address" "$work/login1.log" >"$work/login1.out" &
stop_at_exit $!
wait_until grep -q '^ready' "$work/login1.out" || fail "the fake logind did not start"
export DBUS_SYSTEM_BUS_ADDRESS=$address
seen_id=$(dbus-send --system --print-reply=literal --dest=org.freedesktop.DBus \
    /org/freedesktop/DBus org.freedesktop.DBus.GetId | tr -d ' ')
if [[ $address != "unix:path=$work/bus,"* ]] || [ "ready $seen_id" != "$(cat "$work/login1.out")" ]; then
    fail "the system bus address does not lead to the private bus; not starting"
fi

countdown() { window '^即将关闭计算机$'; }
open_countdown() { [ -n "$(countdown)" ]; }
no_countdown() { [ -z "$(countdown)" ]; }
prompt_open() { password_prompt >/dev/null; }
closehour() { "$reg" query 'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\tocklet' | grep -i closehour; }
# bar_percent XWD_FILE: how full the countdown's bar is in that picture, in percent: on the
# row with the most of the bar's blue and white (a row through the bar), the blue against both.
bar_percent() {
    convert "xwd:$1" -depth 8 txt:- | awk -F '[(),: ]+' '
        NR > 1 && $5 >= 190 && $5 <= 245 && $4 >= 135 && $4 <= 190 && $3 >= 35 && $3 <= 110 { blue[$2]++; bar[$2]++ }
        NR > 1 && $3 == 255 && $4 == 255 && $5 == 255 { bar[$2]++ }
        END {
            for (y in bar) if (bar[y] > most) { most = bar[y]; row = y }
            print (most > 0 ? int(100 * blue[row] / most) : 0)
        }'
}
# half_full: a picture of the countdown, in countdown.xwd, shows its bar at least half full.
half_full() {
    xwd -silent -id "$(countdown)" >"$work/countdown.xwd" 2>/dev/null &&
        [ "$(bar_percent "$work/countdown.xwd")" -ge 50 ]
}

start_private_x 1024x700x24
start_window_manager
cd "$work"
exec_at_time '@2026-12-07 10:29:30 x10' "$tocklet" >"$work/app.log" 2>&1 &
app=$!
stop_at_exit "$app"
wait_until open_countdown || fail "no countdown"
if [ -n "$shot" ]; then  # the window alone: openbox gives every frame a close box
    wait_until half_full || fail "the countdown's bar did not fill"
    convert "xwd:$work/countdown.xwd" "$shot"
fi
wait_until prompt_open || fail "no password prompt once the bar is full"
[ ! -s "$work/login1.log" ] || fail "power-off requested before the password"
prompt=$(password_prompt)
xdotool windowfocus --sync "$prompt" type --delay 50 pw
xdotool key Return
wait_until grep -qs 'PowerOff true' "$work/login1.log" || fail "no request reached logind"
"$reg" query 'HKEY_LOCAL_MACHINE\Config' | grep -P '^run\tREG_SZ\t2\t3000\t' || fail "no run"
wait_until test -s "$work/played.raw" || fail "no sound reached the sound device"
echo "logind asked: $(cat "$work/login1.log"); sounds: $(stat -c %s "$work/played.raw") bytes"
xdotool windowactivate --sync "$(countdown)" key Escape
wait_until no_countdown || fail "countdown did not close"
wait_until open_countdown || fail "no countdown two minutes later"
closehour | grep -q '31303a33323a30000000' || fail "postponed time not saved: $(closehour)"
echo "postponed countdown open, settings saved: $(closehour)"
