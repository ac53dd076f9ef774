# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# Sourced by the test scripts and the benches: failing with what the programs said, waiting for
# an event rather than for time, and undoing at the end what a script started.
[ -z "${tests_lib:-}" ] || return 0
tests_lib=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# The longest any wait may take, in seconds. A wait ends as soon as what it waits for happens,
# so the limit only matters when it never does, or on a machine loaded by other builds and tests.
: "${WAIT_LIMIT:=60}"

# The logs fail shows the end of (add with fail_logs+=(FILE)).
fail_logs=()

# fail MESSAGE...: says why, shows the end of each log in fail_logs and what a script's
# fail_details function (when it has one) prints, and ends the script with 1.
fail() {
    echo "FAIL: $*" >&2
    ! declare -F fail_details >/dev/null || fail_details >&2 || true
    local log
    for log in "${fail_logs[@]}"; do
        [ -s "$log" ] || continue
        echo "-- $log:" >&2
        tail -n 60 "$log" >&2
    done
    exit 1
}

# wait_until [-t SECONDS] COMMAND...: returns as soon as COMMAND succeeds, tried every 50 ms;
# fails when it has not within SECONDS (default WAIT_LIMIT).
wait_until() {
    local limit=$WAIT_LIMIT
    if [ "$1" = -t ]; then
        limit=$2
        shift 2
    fi
    local deadline=$((SECONDS + limit))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# at_exit COMMAND...: runs COMMAND when the script ends, the last one registered first.
_at_exit=()
at_exit() {
    _at_exit+=("$(printf '%q ' "$@")")
    trap _run_at_exit EXIT
    trap 'exit 143' TERM
    trap 'exit 130' INT
}
_run_at_exit() {
    local status=$? i
    for ((i = ${#_at_exit[@]} - 1; i >= 0; i--)); do eval "${_at_exit[i]}" || true; done
    _at_exit=()
    return "$status"
}

# make_work: a scratch folder in $work, removed when the script ends.
make_work() {
    work=$(mktemp -d)
    at_exit rm -rf "$work"
}

# ended PID: the process is gone (or a zombie no one has waited for yet).
ended() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 0
    [ "$(cut -d' ' -f1 <<<"${stat##*) }")" = Z ]
}

# running PID: the process has not ended.
running() { ! ended "$1"; }

# stop_process PID...: asks each process to end, ends it after WAIT_LIMIT if it did not, and
# collects its status when it is a child of this shell.
stop_process() {
    local pid
    for pid; do
        kill "$pid" 2>/dev/null || true
        wait_until ended "$pid" || kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}

# stop_at_exit PID...: stops these processes when the script ends.
stop_at_exit() { at_exit stop_process "$@"; }

# reap PID: waits for a child of this shell to end by itself (ending it after WAIT_LIMIT) and
# returns its status.
reap() {
    wait_until ended "$1" || kill -KILL "$1" 2>/dev/null || true
    wait "$1"
}

# start_private_bus NAME: a D-Bus daemon of its own listening on $work/NAME, stopped when the
# script ends; sets bus_address and bus_pid.
start_private_bus() {
    dbus-daemon --session --nofork --print-address=1 --address="unix:path=$work/$1" \
        >"$work/$1.address" 2>"$work/$1.log" &
    bus_pid=$!
    stop_at_exit "$bus_pid"
    wait_until test -s "$work/$1.address" || fail "no private bus: $(cat "$work/$1.log")"
    bus_address=$(head -n1 "$work/$1.address")
}
