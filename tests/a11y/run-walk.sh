#!/usr/bin/env bash
# Runs the dialog gallery on an X server and a session bus of its own, with the accessibility
# bus and Qt's bridge switched on, and walks every window it opens as a screen reader would.
# usage: run-walk.sh GALLERY WALKER
# Every wait ends as soon as what it waits for arrives; the limits are for a loaded machine.
set -euo pipefail

if [[ "${1:-}" != --inside ]]; then
    work=$(mktemp -d)
    xvfb_pid=
    cleanup() {
        stop_server
        rm -rf "$work"
    }
    trap cleanup EXIT
    # A display number that no other server holds: a server that cannot listen ends at once,
    # and the next number is tried. The server writes its number once it accepts clients.
    start_server() {
        for _ in $(seq 20); do
            : >"$work/display"
            Xvfb ":$((200 + RANDOM % 700))" -displayfd 3 -screen 0 1024x768x24 -nolisten tcp \
                3>"$work/display" 2>"$work/xvfb.log" &
            xvfb_pid=$!
            for _ in $(seq 300); do
                [[ -s "$work/display" ]] && return 0
                kill -0 "$xvfb_pid" 2>/dev/null || break
                sleep 0.1
            done
            stop_server
        done
        cat "$work/xvfb.log" >&2
        echo "no X server started" >&2
        return 1
    }
    stop_server() {
        if [[ -n "$xvfb_pid" ]]; then { kill "$xvfb_pid" && wait "$xvfb_pid"; } 2>/dev/null || true; fi
        xvfb_pid=
    }
    # A gallery that could not reach its display (status 75) gets a new server, twice at most.
    for attempt in 1 2 3; do
        start_server
        status=0
        DISPLAY=":$(head -n1 "$work/display")" dbus-run-session -- bash "$0" --inside "$work" "$@" ||
            status=$?
        stop_server
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
