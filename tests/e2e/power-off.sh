#!/usr/bin/env bash
# End to end: the daily power-off of the real program, on a private X server, at a chosen
# wall-clock time (faketime, ten times faster), with password protection on. The "system bus"
# is a private dbus-daemon on which a fake logind records PowerOff calls; the script proves
# that DBUS_SYSTEM_BUS_ADDRESS leads to that daemon before tocklet starts. Checks: the
# countdown opens at the preset second, the password prompt comes before any request, the
# request reaches the fake logind, "run" = "0" is written, the second sounds reach the sound
# device, and a cancelled countdown comes back after the allowed delay, saved as such.
# Usage: power-off.sh TOCKLET TOCKLET_REG SETUP_REG FAKE_LOGIN1 [SCREENSHOT.png]
set -euo pipefail
tocklet=$(realpath "$1") reg=$(realpath "$2") setup=$3 fake=$(realpath "$4") shot=${5:-}
[ -z "$shot" ] || shot=$(realpath "$shot")
work=$(mktemp -d)
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"; }
trap cleanup EXIT
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run TZ=UTC LANG=C.UTF-8
mkdir -m 700 "$XDG_RUNTIME_DIR"
# Every sound goes into a file instead of the speakers.
printf 'pcm.!default { type file slave.pcm "null" file "%s" format "raw" }\n' \
    "$work/played.raw" > "$HOME/.asoundrc"
unset QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER

"$reg" import "$setup" >/dev/null
# The countdown's sound, found in the folder tocklet runs in.
cp "$(dirname "$setup")/sounds/close.wav" "$work/"
# Power off at 10:30:00, come back 2 minutes after a cancel, once; password "pw" protects.
printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion]\n"new"="1"\n"UsePas"="1"\n"pass"="pw"\n\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\tocklet]\n"happen"=hex(1):31,00,00\n"1"="111,0_|night"\n"CloseHour"=hex(1):31,30,3a,33,30,3a,30,00,00,00\n"DelayTime"=hex(1):32,00,00\n' > "$work/seed.reg"
"$reg" import "$work/seed.reg" >/dev/null

# The private bus and the fake logind on it.
dbus-daemon --session --nofork --print-address=1 --address="unix:path=$work/bus" \
    > "$work/bus.address" 2> "$work/bus.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/bus.address" ] && break; sleep 0.05; done
address=$(head -n1 "$work/bus.address")
"$fake" "$address" "$work/login1.log" > "$work/login1.out" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/login1.out" ] && break; sleep 0.05; done
fake_bus_id=$(awk '/^ready /{print $2}' "$work/login1.out")
export DBUS_SYSTEM_BUS_ADDRESS=$address
seen_bus_id=$(dbus-send --system --print-reply=literal --dest=org.freedesktop.DBus \
    /org/freedesktop/DBus org.freedesktop.DBus.GetId | tr -d ' ')
case $address in "unix:path=$work/bus,"*) ;; *) echo "not the private bus: $address"; exit 1 ;; esac
if [ -z "$fake_bus_id" ] || [ "$seen_bus_id" != "$fake_bus_id" ]; then
    echo "the system bus address does not lead to the private bus; not starting"; exit 1
fi

cat > "$work/inside-x.sh" <<INNER
set -u
cd "$work"
# A real window manager: stay-on-top, focus and the title bar as on a desktop.
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
closehour() { "$reg" query 'HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\tocklet' | grep -i closehour; }
[ "\$DBUS_SYSTEM_BUS_ADDRESS" = "$address" ] || fail "system bus address lost"
DBUS_SYSTEM_BUS_ADDRESS="$address" ASAN_OPTIONS=\${ASAN_OPTIONS:-}:verify_asan_link_order=0 \
    faketime -f '@2026-12-07 10:29:30 x10' "$tocklet" > "$work/app.log" 2>&1 &
app=\$!
wait_for 10 open_countdown || fail "no countdown"
panel=\$(xdotool search --name '^超级守时鸟' | head -n1)
echo "countdown open; panel title: \$(xdotool getwindowname \$panel)"
echo "stored then: \$(closehour)"
if [ -n "$shot" ]; then
    sleep 1.5
    # The window alone: openbox puts buttons on every frame, even where the window asks for
    # no close box.
    xwd -id \$(countdown) -silent | convert xwd:- "$shot"
fi
# Thirty faked seconds later the bar is full and the password prompt (a caption-less window
# that Qt names after the program) stands in the way.
prompt_open() {
    for w in \$(xdotool search --onlyvisible --class tocklet 2>/dev/null); do
        [ "\$(xdotool getwindowname \$w)" = tocklet ] && return 0
    done
    return 1
}
wait_for 15 prompt_open || fail "no password prompt"
[ ! -s "$work/login1.log" ] || fail "power-off requested before the password"
xdotool type --delay 50 pw; xdotool key Return
wait_for 3 grep -q 'PowerOff true' "$work/login1.log" || fail "no request reached logind"
echo "fake logind: \$(cat "$work/login1.log")"
"$reg" query 'HKEY_LOCAL_MACHINE\\Config' | grep -P '^run\tREG_SZ\t2\t3000\t' || fail "run not written"
[ -s "$work/played.raw" ] || fail "no sound reached the sound device"
echo "sound device received \$(stat -c %s "$work/played.raw") bytes"
xdotool windowactivate --sync \$(countdown) 2>/dev/null || xdotool windowfocus \$(countdown)
xdotool key Escape
wait_for 3 no_countdown || fail "countdown did not close"
# Cancelled: it comes back two minutes later, and that countdown saves the postponed time.
wait_for 20 open_countdown || fail "no second countdown"
echo "second countdown; panel title: \$(xdotool getwindowname \$panel)"
closehour | grep -q '31303a33323a30000000' || fail "postponed time not saved: \$(closehour)"
echo "stored now: \$(closehour)"
kill \$app
exit 0
INNER
xvfb-run -a -s '-screen 0 1024x700x24' bash "$work/inside-x.sh"
