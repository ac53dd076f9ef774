#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# Runs the dialog gallery on an X server and a session bus of its own, with the accessibility
# bus and Qt's bridge switched on, and walks every window it opens as a screen reader would.
# MANAGER: none (the default), openbox, or openbox-tall (openbox with a title bar of another
# height, from a larger title font), for windows framed by a window manager or not.
# usage: run-walk.sh GALLERY WALKER [MANAGER]
# Every wait ends as soon as what it waits for arrives; the limits are for a loaded machine.
set -euo pipefail
source "$(dirname "$0")/../lib/x.sh"
gallery=$1 walker=$2 manager=${3:-none}
make_work
fail_logs+=("$work/gallery.log" "$work/launcher.log")
mkdir -p -m 700 "$work/config" "$work/runtime"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1

# A screen whose size once made a dialog's own centring put the panel elsewhere at each show.
start_private_x 1280x800x24
case $manager in
    none) ;;
    openbox) start_window_manager ;;
    openbox-tall)
        cat >"$work/rc.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <theme>
    <name>Clearlooks</name>
    <titleLayout>NLIMC</titleLayout>
    <font place="ActiveWindow"><name>sans</name><size>22</size></font>
    <font place="InactiveWindow"><name>sans</name><size>22</size></font>
  </theme>
</openbox_config>
XML
        start_window_manager "$work/rc.xml"
        ;;
    *) fail "no such window manager choice: $manager" ;;
esac
start_private_bus session-bus
export DBUS_SESSION_BUS_ADDRESS=$bus_address
# The accessibility bus, known to Qt's bridge through org.a11y.Bus on the session bus: the
# gallery starts once that name has an owner, or its bridge would find no bus to join.
/usr/libexec/at-spi-bus-launcher --launch-immediately 2>"$work/launcher.log" &
stop_at_exit $!
a11y_bus_up() {
    dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true
}
wait_until a11y_bus_up || fail "the accessibility bus did not start"

# The walker leads the gallery through a pipe (read and write here, so neither end waits for
# the other to open it).
mkfifo "$work/steps"
"$gallery" <>"$work/steps" >"$work/manifest" 2>"$work/gallery.log" &
gallery_pid=$!
stop_at_exit "$gallery_pid"
panel_or_ended() { grep -qx panel "$work/manifest" || ended "$gallery_pid"; }
wait_until panel_or_ended || fail "the gallery showed no panel within $WAIT_LIMIT s"
grep -qx panel "$work/manifest" || fail "the gallery ended before showing its panel"
status=0
timeout 240 /usr/bin/python3 "$walker" "$work/manifest" "$work/steps" || status=$?
if ((status != 0)); then
    echo "-- the gallery said:" >&2
    tail -n 40 "$work/gallery.log" >&2
fi
exit "$status"
