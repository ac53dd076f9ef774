#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# Remakes the screenshots in docs/ from a build in build/: the main panel, a reminder pop-up
# fired by a stored task, the floating clock in each of its six colours, the power-off
# countdown and the power-off time dialog. Each picture is taken once what it shows is on the
# screen and its painting has settled.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$top/tests/lib/home.sh"
build=$(cd "${1:-$top/build}" && pwd)
TOCKLET=$build/shell/tocklet reg=$build/tools/tocklet-reg
"$top/tests/e2e/reminder-fires.sh" "$TOCKLET" "$reg" "$top/resources/setup.reg" "$top/docs/reminder.png"
"$top/tests/e2e/floating-clock.sh" "$TOCKLET" "$reg" "$top/resources/setup.reg" "$top/docs"
# The power-off countdown (from the power-off end-to-end run, its bar half full).
"$top/tests/e2e/power-off.sh" "$TOCKLET" "$reg" "$top/resources/setup.reg" \
    "$build/tests/fake-login1" "$top/docs/shutdown-countdown.png" >/dev/null

make_work
private_home "$work"
fail_logs+=("$work/app.log")
seed_registry "$reg" "$top/resources/setup.reg" $'"RegisteredOwner"="Alice"\n"RegisteredOrganization"="Acme"' \
    $'"happen"=hex(1):32,00,00\n"1"="1110,30_|\xbf\xaa\xbb\xe1"\n"2"="038,0_2|/usr/bin/xclock"'
cd "$work"

# start: tocklet, once its start-up is over (its panel shown and hidden again); sets app.
start() {
    "$TOCKLET" >"$work/app.log" 2>&1 &
    app=$!
    stop_at_exit "$app"
    wait_until panel_hidden "$app" || fail "the panel did not hide"
}

# The main panel, shown again by a later start as a user would.
start_private_x 800x600x24
watch_x_events
start
panel_shown_by_later_start
picture_of "$top/docs/panel.png" -root -- -crop 700x100%+0+0 -trim +repage
stop_process "$app"
stop_private_x

# The power-off time dialog, opened from the notification icon's menu.
start_private_x 1024x700x24
start_window_manager
start_tray
watch_x_events
start
docked() { xwininfo -tree -id "$tray_window" | grep -q '("tocklet" "tocklet")'; }
wait_until docked || fail "the icon did not dock"
mark=$(x_events_mark)
xdotool mousemove --sync 1012 12 click 3  # the icon, rightmost in the tray
wait_until popup_since "$mark" || fail "no menu from the icon"
xdotool key Up Up Return                  # " 关机时间设置", last but one
dialog=$(wait_shown '^自动关机时间设置$')
frame=$(xwininfo -tree -id "$dialog" | awk '/Parent window id/{print $4}')
picture_of "$top/docs/shutdown-time.png" -id "$frame"
stop_process "$app"
echo "Wrote docs/panel.png, docs/reminder.png, docs/clock-color1.png ... clock-color6.png,"
echo "docs/shutdown-countdown.png and docs/shutdown-time.png"
