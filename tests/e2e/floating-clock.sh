#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# End to end: the real program on a private X server with a window manager, INI "clock" 1 and
# "color" 4. The clock must appear at (395, 0) above a maximised window with yellow digits, and
# a drag from (400, 10) to (500, 60) must move it by (100, 50).
# With SHOT_DIR it then also photographs the clock in each of the six colours
# (SHOT_DIR/clock-color1.png ... clock-color6.png), at 09:05:07 on a faked clock.
# Usage: floating-clock.sh TOCKLET TOCKLET_REG SETUP_REG [SHOT_DIR]
set -euo pipefail
tocklet=$1 reg=$2 setup=$3 shots=${4:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/lib.sh"
e2e_private_home "$work"
e2e_seed_registry "$reg" "$setup" "" '"1"="1110,30_|e2e"'

cat > "$work/inside-x.sh" <<INNER
set -u
cd "$work"
ini=$XDG_CONFIG_HOME/tocklet/zidezarudiva.ini
fail() { echo "FAIL: \$*"; cat "$work/app.log"; exit 1; }

# start COLOR [FAKETIME_TIME]: the program with the clock on in that colour; sets app.
start() {
    printf '[option]\nclock=1\ncolor=%s\n' "\$1" > "\$ini"
    if [ -n "\${2:-}" ]; then
        ASAN_OPTIONS=\${ASAN_OPTIONS:-}:verify_asan_link_order=0 FAKETIME="\$2" \
            LD_PRELOAD="$libfaketime" "$tocklet" > "$work/app.log" 2>&1 &
    else
        "$tocklet" > "$work/app.log" 2>&1 &
    fi
    app=\$!
}

# The clock window's absolute position as "x,y" once it is mapped (empty after 10 s).
clock_at() {
    for i in \$(seq 1 100); do
        local line=\$(xwininfo -root -tree | grep '("tocklet" "tocklet")  135x25' | head -1)
        if [ -n "\$line" ]; then
            echo "\$line" | sed -E 's/.* \+(-?[0-9]+)\+(-?[0-9]+)\$/\1,\2/'
            return
        fi
        sleep 0.1
    done
}

openbox > "$work/wm.log" 2>&1 & sleep 1
xlogo -geometry 300x200+0+0 > /dev/null 2>&1 & sleep 1
wmctrl -r xlogo -b add,maximized_vert,maximized_horz; sleep 0.5

start 4
at=\$(clock_at)
[ "\$at" = "395,0" ] || fail "clock at '\$at', not 395,0"
sleep 1.5  # the digits come with the face's first tick
xwd -root -silent | convert xwd:- -crop 135x25+395+0 +repage "$work/clock.png"
convert "$work/clock.png" -format %c histogram:info:- | grep -qi '#FFFF00' ||
    fail "no yellow digits on top at 395,0"
echo "clock at 395,0 above the maximised window, yellow digits"

xdotool mousemove 400 10 mousedown 1 mousemove 450 30 mousemove 500 60
sleep 0.3
at=\$(clock_at)
[ "\$at" = "395,0" ] || fail "clock followed the pointer before the release: \$at"
xdotool mouseup 1
sleep 0.5
at=\$(clock_at)
[ "\$at" = "495,50" ] || fail "dragged clock at '\$at', not 495,50"
echo "drag from 400,10 to 500,60 moved it to 495,50"
kill \$app; wait \$app 2>/dev/null || true

if [ -n "$shots" ]; then
    for colour in 1 2 3 4 5 6; do
        start \$colour '@2026-12-07 09:05:05'
        [ "\$(clock_at)" = "395,0" ] || fail "no clock in colour \$colour"
        sleep 2.2
        xwd -root -silent | convert xwd:- -crop 135x25+395+0 +repage "$shots/clock-color\$colour.png"
        kill \$app; wait \$app 2>/dev/null || true
    done
    echo "wrote $shots/clock-color1.png ... clock-color6.png"
fi
exit 0
INNER
in_private_x 1024x700x24 bash "$work/inside-x.sh"
