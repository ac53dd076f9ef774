#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# The icon reaches a StatusNotifierItem host (a stand-in watcher on a private bus records it;
# its tip is read over D-Bus) and, with none, docks into trayer's XEmbed tray; the panel hides.
# Usage: tray-hosts.sh BUILD_DIR APP_ID SNI_WATCHER
build=$1 watcher=$3
source "$(dirname "$0")/lib.sh"
seed_registry "$one_task"
tip='守时鸟正在工作'

cat > "$work/sni.sh" <<INNER
set -u
"$watcher" > "$work/watcher.log" 2>&1 &
watcher=\$!
for i in \$(seq 1 50); do grep -q '^ready' "$work/watcher.log" && break; sleep 0.1; done
"$prefix/bin/tocklet" > "$work/app.log" 2>&1 &
app=\$!
for i in \$(seq 1 300); do grep -q '^registered' "$work/watcher.log" && break; sleep 0.1; done
read -r _ service path < <(grep '^registered' "$work/watcher.log")
dbus-send --session --print-reply --dest="\$service" "\$path" \
    org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierItem string:ToolTip \
    > "$work/tooltip.txt" 2>&1
sleep 1.5
xdotool search --onlyvisible --name '^超级守时鸟' > "$work/visible.txt" 2>/dev/null
kill \$app \$watcher
INNER
run_in_x dbus-run-session -- bash "$work/sni.sh" 2>/dev/null
grep -q '^registered' "$work/watcher.log" ||
    fail "no item registered with the StatusNotifierItem watcher: $(cat "$work/app.log")"
grep -qF "\"$tip\"" "$work/tooltip.txt" || fail "the item's tip: $(cat "$work/tooltip.txt")"
[ ! -s "$work/visible.txt" ] || fail "the panel did not hide (StatusNotifierItem host)"
echo "StatusNotifierItem host: $(grep '^registered' "$work/watcher.log")"

cat > "$work/xembed.sh" <<INNER
set -u
trayer --edge top --align right --widthtype pixel --width 100 --height 24 \
    --SetDockType false --SetPartialStrut false > "$work/trayer.log" 2>&1 &
tray=\$!
for i in \$(seq 1 300); do xdotool search --name '^panel\$' > "$work/panel.txt" 2>/dev/null && break; sleep 0.1; done
# xwininfo without a window would wait for a click.
panel=\$(head -1 "$work/panel.txt") && [ -n "\$panel" ] || { echo "trayer did not start"; kill \$tray; exit 1; }
"$prefix/bin/tocklet" > "$work/app.log" 2>&1 &
app=\$!
for i in \$(seq 1 300); do
    xwininfo -tree -id "\$panel" | grep -q '("tocklet" "tocklet")' && break
    sleep 0.1
done
xwininfo -tree -id "\$panel" > "$work/docked.txt"
sleep 1.5
xdotool search --onlyvisible --name '^超级守时鸟' > "$work/visible.txt" 2>/dev/null
kill \$app \$tray
INNER
# No session bus, so no StatusNotifierItem host either.
run_in_x bash "$work/xembed.sh" || fail "XEmbed tray: $(cat "$work/trayer.log")"
grep -q '("tocklet" "tocklet")' "$work/docked.txt" ||
    fail "the icon did not dock into trayer: $(cat "$work/docked.txt" "$work/app.log")"
[ ! -s "$work/visible.txt" ] || fail "the panel did not hide (XEmbed tray)"
echo "XEmbed tray: the icon docked into trayer"
