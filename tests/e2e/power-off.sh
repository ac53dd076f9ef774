#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# End to end: the real program's power-off under Xvfb and openbox at a faked time (ten times
# faster), protection on; the system bus is a private dbus-daemon, proved so before tocklet
# starts, on which a fake logind records PowerOff calls.
# Usage: power-off.sh TOCKLET TOCKLET_REG SETUP_REG FAKE_LOGIN1 [SCREENSHOT.png]
set -euo pipefail
tocklet=$(realpath "$1") reg=$(realpath "$2") setup=$3 fake=$(realpath "$4") shot=${5:+$(realpath "$5")}
work=$(mktemp -d)
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"; }
trap cleanup EXIT
source "$(dirname "$0")/lib.sh"
# Every sound goes into a file; close.wav lies in the folder tocklet runs in.
e2e_private_home "$work" "pcm.!default { type file slave.pcm \"null\" file \"$work/played.raw\" format \"raw\" }"
cp "$(dirname "$setup")/sounds/close.wav" "$work/"
# Power off at 10:30:00, back 2 minutes after a cancel; password "pw".
e2e_seed_registry "$reg" "$setup" $'"UsePas"="1"\n"pass"="pw"' \
    $'"1"="111,0_|night"\n"CloseHour"=hex(1):31,30,3a,33,30,3a,30,00,00,00\n"DelayTime"=hex(1):32,00,00'

dbus-daemon --session --nofork --print-address=1 --address="unix:path=$work/bus" \
    > "$work/bus.address" 2> "$work/bus.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/bus.address" ] && break; sleep 0.05; done
address=$(head -n1 "$work/bus.address")
"$fake" "$address" "$work/login1.log" > "$work/login1.out" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/login1.out" ] && break; sleep 0.05; done
export DBUS_SYSTEM_BUS_ADDRESS=$address
seen_id=$(dbus-send --system --print-reply=literal --dest=org.freedesktop.DBus \
    /org/freedesktop/DBus org.freedesktop.DBus.GetId | tr -d ' ')
if [[ $address != "unix:path=$work/bus,"* ]] || [ "ready $seen_id" != "$(cat "$work/login1.out")" ]
then echo "the system bus address does not lead to the private bus; not starting"; exit 1; fi


cat > "$work/inside-x.sh" <<INNER
set -u
cd "$work"
openbox --sm-disable > /dev/null 2>&1 &
sleep 0.3
fail() { echo "FAIL: \$*"; cat "$work/app.log"; kill \${app:-} 2>/dev/null; exit 1; }
wait_for() {  # wait_for SECONDS COMMAND...
    local n=\$((\$1 * 20)); shift
    for _ in \$(seq \$n); do "\$@" && return 0; sleep 0.05; done
    return 1
}
countdown() { xdotool search --onlyvisible --name '^即将关闭计算机\$' 2>/dev/null | head -n1; }
open_countdown() { [ -n "\$(countdown)" ]; }
no_countdown() { [ -z "\$(countdown)" ]; }
prompt_open() {  # the caption-less password prompt, which Qt names after the program
    for w in \$(xdotool search --onlyvisible --class tocklet 2>/dev/null); do
        [ "\$(xdotool getwindowname \$w)" = tocklet ] && return 0
    done
    return 1
}
closehour() { "$reg" query 'HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\tocklet' | grep -i closehour; }
[ "\$DBUS_SYSTEM_BUS_ADDRESS" = "$address" ] || fail "system bus address lost"
DBUS_SYSTEM_BUS_ADDRESS="$address" ASAN_OPTIONS=\${ASAN_OPTIONS:-}:verify_asan_link_order=0 \
    FAKETIME='@2026-12-07 10:29:30 x10' LD_PRELOAD="$libfaketime" "$tocklet" > "$work/app.log" 2>&1 &
app=\$!
wait_for 10 open_countdown || fail "no countdown"
if [ -n "$shot" ]; then  # the window alone: openbox gives every frame a close box
    sleep 1.5
    xwd -id \$(countdown) -silent | convert xwd:- "$shot"
fi
wait_for 15 prompt_open || fail "no password prompt once the bar is full"
[ ! -s "$work/login1.log" ] || fail "power-off requested before the password"
xdotool type --delay 50 pw; xdotool key Return
wait_for 3 grep -qs 'PowerOff true' "$work/login1.log" || fail "no request reached logind"
"$reg" query 'HKEY_LOCAL_MACHINE\\Config' | grep -P '^run\tREG_SZ\t2\t3000\t' || fail "no run"
wait_for 5 test -s "$work/played.raw" || fail "no sound reached the sound device"
echo "logind asked: \$(cat "$work/login1.log"); sounds: \$(stat -c %s "$work/played.raw") bytes"
xdotool windowactivate --sync \$(countdown) 2>/dev/null; xdotool key Escape
wait_for 3 no_countdown || fail "countdown did not close"
wait_for 20 open_countdown || fail "no countdown two minutes later"
closehour | grep -q '31303a33323a30000000' || fail "postponed time not saved: \$(closehour)"
echo "postponed countdown open, settings saved: \$(closehour)"
kill \$app
INNER
in_private_x 1024x700x24 bash "$work/inside-x.sh"
