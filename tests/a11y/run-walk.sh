#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# Runs the dialog gallery on an X server and a session bus of its own, with the accessibility
# bus and Qt's bridge switched on, and walks every window it opens as a screen reader would.
# usage: run-walk.sh GALLERY WALKER
# Every wait ends as soon as what it waits for arrives; the limits are for a loaded machine.
set -euo pipefail

if [[ "${1:-}" != --inside ]]; then
    work=$(mktemp -d)
    source "$(dirname "$0")/../helpers/xserver.sh"
    cleanup() {
        stop_private_x
        rm -rf "$work"
    }
    trap cleanup EXIT
    # A gallery that could not reach its display (status 75) gets a new server, twice at most.
    for attempt in 1 2 3; do
        start_private_x
        status=0
        dbus-run-session -- bash "$0" --inside "$work" "$@" || status=$?
        stop_private_x
        ((status == 75 && attempt < 3)) || exit "$status"
        echo "the gallery could not start; again on a new X server" >&2
    done
fi

work=$2 gallery=$3 walker=$4
launcher_pid= gallery_pid=
stop() {
    for pid in $gallery_pid $launcher_pid; do
        { kill "$pid" && wait "$pid"; } 2>/dev/null || true
    done
    return 0
}
trap stop EXIT
mkdir -p -m 700 "$work/config" "$work/runtime"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1

/usr/libexec/at-spi-bus-launcher --launch-immediately 2>"$work/launcher.log" &
launcher_pid=$!
"$gallery" >"$work/manifest" 2>"$work/gallery.log" &
gallery_pid=$!
for _ in $(seq 600); do
    grep -qx ready "$work/manifest" && break
    if ! kill -0 "$gallery_pid" 2>/dev/null; then
        echo "the gallery ended before opening its windows:" >&2
        cat "$work/gallery.log" >&2
        exit 75
    fi
    sleep 0.1
done
grep -qx ready "$work/manifest" || { echo "the gallery opened no windows within 60 s" >&2; exit 1; }
status=0
timeout 180 /usr/bin/python3 "$walker" "$work/manifest" || status=$?
if ((status != 0)); then
    echo "-- the gallery said:" >&2
    tail -n 40 "$work/gallery.log" >&2
fi
exit "$status"
