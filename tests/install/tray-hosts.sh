#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# The icon reaches a StatusNotifierItem host (a stand-in watcher on a private bus records it;
# its tip is read over D-Bus) and, with none, docks into trayer's XEmbed tray; the panel hides.
# Usage: tray-hosts.sh BUILD_DIR APP_ID SNI_WATCHER
set -euo pipefail
source "$(dirname "$0")/../lib/home.sh"
build=$1 watcher=$3
make_work
install_build "$build"
private_home "$work/home"
fail_logs+=("$work/app.log")
seed_registry "$prefix/bin/tocklet-reg" "$prefix/share/tocklet/setup.reg" "" '"1"="1110,30_|e2e"'
tip='守时鸟正在工作'

# A StatusNotifierItem host: the stand-in watcher on a session bus of its own.
start_private_x
watch_x_events
start_private_bus session-bus
export DBUS_SESSION_BUS_ADDRESS=$bus_address
"$watcher" >"$work/watcher.log" 2>&1 &
watcher_pid=$!
stop_at_exit "$watcher_pid"
wait_until grep -q '^ready' "$work/watcher.log" || fail "the watcher did not start"
"$prefix/bin/tocklet" >"$work/app.log" 2>&1 &
app=$!
stop_at_exit "$app"
wait_until grep -q '^registered' "$work/watcher.log" ||
    fail "no item registered with the StatusNotifierItem watcher"
read -r _ service path < <(grep '^registered' "$work/watcher.log")
dbus-send --session --print-reply --dest="$service" "$path" \
    org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierItem string:ToolTip \
    >"$work/tooltip.txt" 2>&1 || true
grep -qF "\"$tip\"" "$work/tooltip.txt" || fail "the item's tip: $(cat "$work/tooltip.txt")"
wait_until panel_hidden "$app" || fail "the panel did not hide (StatusNotifierItem host)"
echo "StatusNotifierItem host: $(grep '^registered' "$work/watcher.log")"
stop_process "$app" "$watcher_pid" "$bus_pid"
unset DBUS_SESSION_BUS_ADDRESS
stop_private_x

# No session bus, so no StatusNotifierItem host either: the XEmbed tray.
start_private_x
watch_x_events
start_tray
"$prefix/bin/tocklet" >"$work/app.log" 2>&1 &
app=$!
stop_at_exit "$app"
docked() { xwininfo -tree -id "$tray_window" | grep -q '("tocklet" "tocklet")'; }
wait_until docked || fail "the icon did not dock into trayer: $(xwininfo -tree -id "$tray_window")"
wait_until panel_hidden "$app" || fail "the panel did not hide (XEmbed tray)"
echo "XEmbed tray: the icon docked into trayer"
