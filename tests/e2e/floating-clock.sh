#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# End to end: the real program on a private X server with a window manager, INI "clock" 1 and
# "color" 4. The clock must appear at (395, 0) above a maximised window with yellow digits, and
# a drag from (400, 10) to (500, 60) must move it by (100, 50), on the release only.
# With SHOT_DIR it then also photographs the clock in each of the six colours
# (SHOT_DIR/clock-color1.png ... clock-color6.png), at 09:05:07 on a faked clock.
# Usage: floating-clock.sh TOCKLET TOCKLET_REG SETUP_REG [SHOT_DIR]
set -euo pipefail
source "$(dirname "$0")/../lib/home.sh"
source "$(dirname "$0")/../lib/faketime.sh"
tocklet=$1 reg=$2 setup=$3 shots=${4:-}
make_work
private_home "$work"
fail_logs+=("$work/app.log")
seed_registry "$reg" "$setup" "" '"1"="1110,30_|e2e"'
ini=$XDG_CONFIG_HOME/tocklet/zidezarudiva.ini
cd "$work"

# start COLOR [FAKED_TIME]: the program with the clock on in that colour, on a faked clock
# when FAKED_TIME is given (as exec_at_time takes it); sets app.
start() {
    printf '[option]\nclock=1\ncolor=%s\n' "$1" >"$ini"
    if [ -n "${2:-}" ]; then
        exec_at_time "$2" "$tocklet" >"$work/app.log" 2>&1 &
    else
        "$tocklet" >"$work/app.log" 2>&1 &
    fi
    app=$!
    stop_at_exit "$app"
}

# The clock window's absolute position as "x,y"; empty until it is there.
clock_at() {
    xwininfo -root -tree | awk '/\("tocklet" "tocklet"\)  135x25/ && !found { found = 1; print }' |
        sed -E 's/.* \+(-?[0-9]+)\+(-?[0-9]+)$/\1,\2/'
}
clock_is_at() { [ "$(clock_at)" = "$1" ]; }

# What the screen shows of the clock's place at (395, 0): its pixels' checksum, its colours.
# A capture can fail while windows change: the waits below then try again.
face() { xwd -root -silent 2>/dev/null | convert xwd:- -crop 135x25+395+0 +repage "$@" 2>/dev/null; }
face_sum() { face rgb:- | md5sum; }
face_has() {
    local colours
    colours=$(face -format %c histogram:info:-) && grep -qi "$1" <<<"$colours"
}
# next_tick: the face shows another time, or the clock left its place: the program has gone
# on by one tick of its face.
next_tick() {
    wait_until read_face || fail "no picture of the clock"
    wait_until face_changed || fail "the clock's face stopped"
}
read_face() { face_before=$(face_sum); }
face_changed() {
    local at now
    at=$(clock_at) && [ -n "$at" ] || return 1
    [ "$at" != 395,0 ] && return 0
    now=$(face_sum) && [ "$now" != "$face_before" ]
}

start_private_x 1024x700x24
start_window_manager
xlogo -geometry 300x200+0+0 >/dev/null 2>&1 &
stop_at_exit $!
wait_until shown '^xlogo$' || fail "no xlogo window"
wmctrl -r xlogo -b add,maximized_vert,maximized_horz
maximised() {
    local state
    state=$(xprop -id "$(window '^xlogo$')" _NET_WM_STATE)
    [[ $state == *MAXIMIZED_VERT* && $state == *MAXIMIZED_HORZ* ]]
}
wait_until maximised || fail "xlogo was not maximised"

start 4
wait_until clock_is_at 395,0 || fail "clock at '$(clock_at)', not 395,0"
# The digits come with the face's first tick.
wait_until face_has '#FFFF00' || fail "no yellow digits on top at 395,0"
echo "clock at 395,0 above the maximised window, yellow digits"

xdotool mousemove --sync 400 10 mousedown 1 mousemove --sync 450 30 mousemove --sync 500 60
# Two ticks of the face later the program has long had the motion: the clock must not follow.
next_tick
next_tick
clock_is_at 395,0 || fail "clock followed the pointer before the release: $(clock_at)"
xdotool mouseup 1
wait_until clock_is_at 495,50 || fail "dragged clock at '$(clock_at)', not 495,50"
echo "drag from 400,10 to 500,60 moved it to 495,50"
stop_process "$app"

if [ -n "$shots" ]; then
    digits=(- '#FF0000' '#00FF00' '#0000FF' '#FFFF00' '#00FFFF' '#FFFFFF')
    for colour in 1 2 3 4 5 6; do
        # The first tick shows the second after the start: 09:05:07.
        start $colour '@2026-12-07 09:05:06'
        wait_until clock_is_at 395,0 || fail "no clock in colour $colour"
        wait_until face_has "${digits[colour]}" || fail "no digits in colour $colour"
        picture_of "$shots/clock-color$colour.png" -root -- -crop 135x25+395+0 +repage
        stop_process "$app"
    done
    echo "wrote $shots/clock-color1.png ... clock-color6.png"
fi
