#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# End to end on a private X server and a private session bus: tocklet owns its application id
# on the bus, `gdbus introspect` shows its interface, `tocklet --status` prints the next task,
# `--pause` greys the icon (the StatusNotifierItem's picture and tip, read over the bus) and is
# heard as MonitoringChanged, `--resume` brings the icon back, a later start and `--show` show
# the panel, and `--quit` ends it. Requests with nobody running start nothing and end with
# status 1. Without a session bus a later start and every request reach tocklet over its
# socket.
# Usage: remote-control.sh TOCKLET TOCKLET_REG SETUP_REG APP_ID SNI_WATCHER
set -euo pipefail
source "$(dirname "$0")/../lib/home.sh"
TOCKLET=$(readlink -f "$1") TOCKLET_REG=$2 SETUP_REG=$3 app_id=$4 watcher=$5
make_work
private_home "$work"
fail_logs+=("$work/app.log" "$work/cli.err" "$work/monitor.log")
seed_registry "$TOCKLET_REG" "$SETUP_REG" "" '"1"="1110,31_|e2e"'
object=/${app_id//./\/}
object=${object//-/_}

# request OPTION...: runs tocklet with the options; its status in $asked, its output in
# $work/cli.out.
request() {
    asked=0
    timeout "$WAIT_LIMIT" "$TOCKLET" "$@" >"$work/cli.out" 2>"$work/cli.err" || asked=$?
}

start_private_x
watch_x_events
start_private_bus session-bus
export DBUS_SESSION_BUS_ADDRESS=$bus_address

request --bogus
[ "$asked" = 2 ] || fail "an unknown option ended with $asked"
request --help
[ "$asked" = 0 ] || fail "--help ended with $asked"
for option in --show --pause --resume --status --quit 'Exit status'; do
    grep -q -- "$option" "$work/cli.out" || fail "--help does not tell $option"
done
asked=0
env -u DISPLAY "$TOCKLET" --version >"$work/cli.out" 2>"$work/cli.err" || asked=$?
[ "$asked" = 0 ] && grep -q '^tocklet ' "$work/cli.out" || fail "--version without a display"
for option in --status --pause --show --quit; do
    request "$option"
    [ "$asked" = 1 ] || fail "$option with no tocklet running ended with $asked"
done
[ -z "$(instances)" ] || fail "a request started tocklet: $(instances)"
echo "--help, --version, an unknown option; requests with nobody running: status 1, nothing started"

# A StatusNotifierItem host on the bus, so that the icon can be read there.
"$watcher" >"$work/watcher.log" 2>&1 &
stop_at_exit $!
wait_until grep -q '^ready' "$work/watcher.log" || fail "the watcher did not start"
"$TOCKLET" >"$work/app.log" 2>&1 &
app=$!
stop_at_exit "$app"
wait_until panel_hidden "$app" || fail "the panel did not show and hide at the start"
owned() {
    gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus \
        -m org.freedesktop.DBus.NameHasOwner "$app_id" | grep -q true
}
wait_until owned || fail "nobody owns $app_id on the session bus"
gdbus introspect --session -d "$app_id" -o "$object" >"$work/introspect.txt" ||
    fail "gdbus introspect: $(cat "$work/introspect.txt")"
for member in "interface $app_id" ShowPanel Pause Resume SetClockShown Status Quit \
    TaskFired CountdownStarted CountdownEnded MonitoringChanged; do
    grep -q "$member" "$work/introspect.txt" || fail "introspection lacks $member"
done
echo "gdbus introspect shows the interface"

request --status
[ "$asked" = 0 ] || fail "--status ended with $asked"
for line in monitoring=true tasks=1 next-kind=message next-text=e2e power-off=none; do
    grep -qx "$line" "$work/cli.out" || fail "--status lacks $line: $(cat "$work/cli.out")"
done
grep -qx 'next-due=[0-9]\{4\}-[0-9][0-9]-[0-9][0-9] 10:31' "$work/cli.out" ||
    fail "--status: no next task due at 10:31: $(cat "$work/cli.out")"
echo "--status prints the next task"

read -r _ item path < <(grep '^registered' "$work/watcher.log")
icon_property() {
    dbus-send --session --print-reply --dest="$item" "$path" org.freedesktop.DBus.Properties.Get \
        string:org.kde.StatusNotifierItem "string:$1"
}
working=$(icon_property IconPixmap)
gdbus monitor --session -d "$app_id" >"$work/monitor.log" 2>&1 &
stop_at_exit $!
wait_until grep -q "$app_id" "$work/monitor.log" || fail "the bus monitor did not start"
request --pause
[ "$asked" = 0 ] || fail "--pause ended with $asked"
paused_tip() { icon_property ToolTip | grep -qF '"守时鸟暂时停止监控"'; }
wait_until paused_tip || fail "the icon's tip after --pause: $(icon_property ToolTip)"
paused=$(icon_property IconPixmap)
[ "$paused" != "$working" ] || fail "the icon kept its picture after --pause"
wait_until grep -q 'MonitoringChanged (false,)' "$work/monitor.log" ||
    fail "no MonitoringChanged(false) heard"
request --status
grep -qx monitoring=false "$work/cli.out" || fail "--status after --pause: $(cat "$work/cli.out")"
echo "--pause greys the icon and is heard on the bus"

request --resume
[ "$asked" = 0 ] || fail "--resume ended with $asked"
working_tip() { icon_property ToolTip | grep -qF '"守时鸟正在工作"'; }
wait_until working_tip || fail "the icon's tip after --resume: $(icon_property ToolTip)"
[ "$(icon_property IconPixmap)" != "$paused" ] || fail "the icon stayed grey after --resume"
wait_until grep -q 'MonitoringChanged (true,)' "$work/monitor.log" ||
    fail "no MonitoringChanged(true) heard"

dbus-monitor --address "$bus_address" "type='method_call',interface='$app_id'" \
    >"$work/calls.log" 2>&1 &
stop_at_exit $!
wait_until grep -q NameAcquired "$work/calls.log" || fail "dbus-monitor did not start"
panel_shown_by_later_start
wait_until grep -q 'member=ShowPanel' "$work/calls.log" || fail "the later start did not use the bus"
request --show
[ "$asked" = 0 ] || fail "--show ended with $asked: $(cat "$work/cli.err")"

# Escape restarts tocklet: the new instance takes the name once the old one has gone.
press "$(wait_shown "$panel_title")" Escape
wait_until ended "$app" || fail "Escape did not end the old instance"
owner_pid() {
    gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus \
        -m org.freedesktop.DBus.GetConnectionUnixProcessID "$app_id" 2>/dev/null |
        sed -n 's/.*uint32 \([0-9]*\).*/\1/p'
}
new_owner() { app=$(owner_pid) && [ -n "$app" ]; }
wait_until new_owner || fail "no instance took the name after Escape"
[ "$(instances)" = "$app" ] || fail "instances after Escape: $(instances), owner $app"
stop_at_exit "$app"
echo "after Escape the new instance owns the name"
request --quit
[ "$asked" = 0 ] || fail "--quit ended with $asked"
wait_until ended "$app" || fail "--quit did not end tocklet"
echo "a later start and --show show the panel; --quit ends tocklet"

# Without a session bus: the socket.
stop_process "$bus_pid"
unset DBUS_SESSION_BUS_ADDRESS
"$TOCKLET" >"$work/app.log" 2>&1 &
app=$!
stop_at_exit "$app"
wait_until panel_hidden "$app" || fail "the panel did not show and hide without a bus"
panel_shown_by_later_start
request --show
[ "$asked" = 0 ] || fail "--show without a bus ended with $asked: $(cat "$work/cli.err")"
request --pause --status
[ "$asked" = 0 ] || fail "--pause --status without a bus ended with $asked"
grep -qx monitoring=false "$work/cli.out" && grep -qx next-text=e2e "$work/cli.out" ||
    fail "--status without a bus: $(cat "$work/cli.out")"
request --quit
[ "$asked" = 0 ] || fail "--quit without a bus ended with $asked"
wait_until ended "$app" || fail "--quit without a bus did not end tocklet"
echo "without a session bus the socket takes the requests"
echo "remote control: all cases passed"
