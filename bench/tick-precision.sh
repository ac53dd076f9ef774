#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# Precision of the one-second tick of the real panel (build/bench/tick_bench) on a private X
# server, at a faked wall-clock time just before midnight of New Year's Eve (so the run crosses
# a day and a year), first on an idle machine, then with both cores kept busy by two spinning
# shells. Prints per run: ticks, offset after the second boundary p50/p99/max, skipped,
# doubled and late (caught-up) seconds.
# Usage: bench/tick-precision.sh [BUILD_DIR] [SECONDS_EACH (default 600)] [idle|busy|both]
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$top/tests/lib/x.sh"
source "$top/tests/lib/faketime.sh"
build=$(cd "${1:-$top/build}" && pwd)
seconds=${2:-600}
phases=${3:-both}
export TZ=UTC LANG=C.UTF-8
unset QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER

# The bench measures its ticks for SECONDS of real time: an interval by nature.
run() {
    start_private_x
    (exec_at_time '@2026-12-31 23:55:00' "$build/bench/tick_bench" "$seconds") || true
    stop_private_x
}
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
if [ "$phases" != busy ]; then
    echo "idle (load $(cut -d' ' -f1-3 /proc/loadavg)):"
    run
fi
[ "$phases" != idle ] || exit 0
for _ in 1 2; do
    (while :; do :; done) &
    stop_at_exit $!
done
echo "both cores busy (two spinning shells; load before them $(cut -d' ' -f1-3 /proc/loadavg)):"
run
