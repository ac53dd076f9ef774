#!/usr/bin/env bash
# End to end: the real program, on a private X server, at a chosen wall-clock time (faketime,
# ten times faster, half a minute before the first whole one so that a slow start-up still
# sees it), with a stored message task due in the minute after the first whole one;
# the "Hi" pop-up must appear.
# Usage: reminder-fires.sh TOCKLET TOCKLET_REG SETUP_REG [SCREENSHOT.png]
set -euo pipefail
tocklet=$1 reg=$2 setup=$3 shot=${4:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run TZ=UTC LANG=C.UTF-8
mkdir -m 700 "$XDG_RUNTIME_DIR"
# Silence: a null ALSA sink, so the reminder sound plays nowhere.
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' > "$HOME/.asoundrc"
unset QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER

"$reg" import "$setup" >/dev/null
printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion]\n"new"="1"\n\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\tocklet]\n"happen"=hex(1):31,00,00\n"1"="1110,31_|\xbf\xaa\xbb\xe1 e2e"\n' > "$work/task.reg"
"$reg" import "$work/task.reg" >/dev/null
"$reg" tasks

cat > "$work/inside-x.sh" <<INNER
set -u
cd "$work"
ASAN_OPTIONS=\${ASAN_OPTIONS:-}:verify_asan_link_order=0 \
    faketime -f '@2026-12-07 10:29:30 x10' "$tocklet" > "$work/app.log" 2>&1 &
app=\$!
for i in \$(seq 1 300); do
    if xdotool search --onlyvisible --name '^Hi\$' >/dev/null 2>&1; then
        echo "reminder window appeared after \$((i / 10)).\$((i % 10)) s"
        sleep 0.5
        [ -n "$shot" ] && xwd -root -silent | convert xwd:- -trim +repage "$shot"
        kill \$app; exit 0
    fi
    if ! kill -0 \$app 2>/dev/null; then echo "tocklet ended early"; cat "$work/app.log"; exit 1; fi
    sleep 0.1
done
echo "no reminder window within 30 s"; cat "$work/app.log"; kill \$app; exit 1
INNER
xvfb-run -a -s '-screen 0 1024x700x24' bash "$work/inside-x.sh"
