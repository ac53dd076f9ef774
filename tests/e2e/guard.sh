#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# End to end: the real program with password protection on, under openbox. Once its panel has
# gone to the tray, a window of a desktop's settings program (class gnome-control-center, from
# the x11-target helper) is asked to close and the guard's message is shown; then a window
# renamed to "控制面板" gets the same, after the first message was answered.
# Usage: guard.sh TOCKLET TOCKLET_REG SETUP_REG X11_TARGET [SCREENSHOT.png]
set -euo pipefail
source "$(dirname "$0")/../lib/home.sh"
TOCKLET=$1 reg=$2 setup=$3 target=$4 shot=${5:-}
make_work
private_home "$work"
fail_logs+=("$work/app.log")
seed_registry "$reg" "$setup" '"UsePas"=hex(1):31,00,00' $'"1"="1110,30_|e2e"'

start_private_x 1024x700x24
start_window_manager
watch_x_events
"$TOCKLET" >"$work/app.log" 2>&1 &
app=$!
stop_at_exit "$app"
wait_until panel_hidden "$app" || fail "the panel did not go to the tray"

# start_target NAME TITLE [OPTION]: an x11-target window, once it is shown; its input is the
# file descriptor target_in, its lines come out on target_out.
start_target() {
    local line
    mkfifo "$work/$1.in" "$work/$1.out"
    "$target" "$2" "${3:-}" <"$work/$1.in" >"$work/$1.out" &
    stop_at_exit $!
    exec {target_in}>"$work/$1.in" {target_out}<"$work/$1.out"
    read -r -t "$WAIT_LIMIT" -u "$target_out" line || fail "the $1 window did not come up"
}
# next_line FD: the helper's next line ("delete" for a close request).
next_line() { read -r -t "$WAIT_LIMIT" -u "$1" line && echo "$line"; }

message='^tocklet$'
start_target settings 设置 --class=gnome-control-center
[ "$(next_line "$target_out")" = delete ] || fail "the settings window was not asked to close"
box=$(wait_shown "$message")
[ -z "$shot" ] || picture_of "$shot" -id "$box"
press "$box" Return
wait_until gone "$message" || fail "the message did not go"

start_target notes 记事本
echo "title 控制面板" >&"$target_in"
[ "$(next_line "$target_out")" = title ] || fail "the notes window was not renamed"
[ "$(next_line "$target_out")" = delete ] || fail "the renamed window was not asked to close"
box=$(wait_shown "$message")
press "$box" Return
wait_until gone "$message" || fail "the second message did not go"
running "$app" || fail "tocklet ended"
echo "both windows were asked to close, each with the guard's message"
