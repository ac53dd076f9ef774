# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# Sourced by the scripts that need an X server of their own (Xvfb).
#
# The server gets a display number in a range that desktop sessions and xvfb-run leave alone,
# chosen at random so that runs at once do not meet; a number another server holds makes the
# new one end at once, and the next number is tried. The server writes its number once it
# takes clients, and a client (xdpyinfo) must then really get through before the display is
# handed out: a display that answers nobody gets a new server instead of a failing test.
# -noreset: by default the server resets when its last client leaves, and a client that
# connects during the reset is turned away; here short-lived clients (xdotool, the check
# itself) come and go while the program under test starts.

x_server_pid=
x_server_dir=

# start_private_x [SCREEN]: starts a server (SCREEN like 1024x768x24) and exports DISPLAY.
start_private_x() {
    local screen=${1:-1024x768x24} number
    x_server_dir=$(mktemp -d)
    for _ in $(seq 20); do
        number=$((200 + RANDOM % 700))
        : >"$x_server_dir/display"
        Xvfb ":$number" -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset \
            3>"$x_server_dir/display" 2>"$x_server_dir/log" &
        x_server_pid=$!
        if _private_x_answers "$number"; then
            export DISPLAY=":$number"
            return 0
        fi
        _stop_private_x_server
    done
    echo "no X server started: $(cat "$x_server_dir/log")" >&2
    rm -rf "$x_server_dir"
    return 1
}

# Waits (30 s at most) for the server to write its number, then for a client to get through.
_private_x_answers() {
    for _ in $(seq 300); do
        if [[ -s "$x_server_dir/display" ]]; then
            for _ in $(seq 20); do
                xdpyinfo -display ":$1" >/dev/null 2>&1 && return 0
                kill -0 "$x_server_pid" 2>/dev/null || return 1
                sleep 0.1
            done
            return 1
        fi
        kill -0 "$x_server_pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

_stop_private_x_server() {
    if [[ -n "$x_server_pid" ]]; then
        { kill "$x_server_pid" && wait "$x_server_pid"; } 2>/dev/null || true
    fi
    x_server_pid=
}

stop_private_x() {
    _stop_private_x_server
    [[ -z "$x_server_dir" ]] || rm -rf "$x_server_dir"
    x_server_dir=
}

# in_private_x SCREEN COMMAND...: runs COMMAND on a server of its own and returns its status.
in_private_x() {
    local screen=$1 status=0
    shift
    start_private_x "$screen" || return 1
    "$@" || status=$?
    stop_private_x
    return "$status"
}
