#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# Remakes the screenshots in docs/ from a build in build/: the main panel just after start,
# a reminder pop-up fired by a stored task, and the floating clock in each of its six colours.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
tocklet=$build/shell/tocklet reg=$build/tools/tocklet-reg
"$top/tests/e2e/reminder-fires.sh" "$tocklet" "$reg" "$top/resources/setup.reg" "$top/docs/reminder.png"
"$top/tests/e2e/floating-clock.sh" "$tocklet" "$reg" "$top/resources/setup.reg" "$top/docs"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work XDG_CONFIG_HOME=$work/config TZ=UTC LANG=C.UTF-8
"$reg" import "$top/resources/setup.reg" >/dev/null
printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion]\n"new"="1"\n"RegisteredOwner"="Alice"\n"RegisteredOrganization"="Acme"\n\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\tocklet]\n"happen"=hex(1):32,00,00\n"1"="1110,30_|\xbf\xaa\xbb\xe1"\n"2"="038,0_2|/usr/bin/xclock"\n' > "$work/seed.reg"
"$reg" import "$work/seed.reg" >/dev/null
cat > "$work/inside-x.sh" <<INNER
cd "$work"
"$tocklet" > "$work/app.log" 2>&1 &
app=\$!
sleep 0.5
xwd -root -silent | convert xwd:- -crop 700x100%+0+0 -trim +repage "$top/docs/panel.png"
kill \$app
INNER
unset QT_QPA_PLATFORM
xvfb-run -a -s '-screen 0 800x600x24' bash "$work/inside-x.sh"

# The power-off countdown (from the power-off end-to-end run, half-way through) and the
# shutdown time dialog, opened from the notification icon's menu.
"$top/tests/e2e/power-off.sh" "$tocklet" "$reg" "$top/resources/setup.reg" \
    "$build/tests/fake-login1" "$top/docs/shutdown-countdown.png" > /dev/null
cat > "$work/time-dialog.sh" <<INNER
cd "$work"
openbox --sm-disable > /dev/null 2>&1 &
trayer --edge top --align right --widthtype pixel --width 100 --height 24 --SetDockType false \
    --SetPartialStrut false > /dev/null 2>&1 &
sleep 0.5
"$tocklet" > "$work/app.log" 2>&1 &
app=\$!
sleep 2
xdotool mousemove 1012 12 click 3   # the icon, rightmost in the tray
sleep 0.5
xdotool key Up Up Return            # " 关机时间设置", last but one
sleep 1
dialog=\$(xdotool search --onlyvisible --name '^自动关机时间设置\$' | head -n1)
frame=\$(xwininfo -tree -id \$dialog | awk '/Parent window id/{print \$4}')
xwd -id \$frame -silent | convert xwd:- "$top/docs/shutdown-time.png"
kill \$app
INNER
xvfb-run -a -s '-screen 0 1024x700x24' bash "$work/time-dialog.sh"
echo "Wrote docs/panel.png, docs/reminder.png, docs/clock-color1.png ... clock-color6.png,"
echo "docs/shutdown-countdown.png and docs/shutdown-time.png"
