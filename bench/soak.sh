#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# Ten hours of the real panel in ten real minutes: build/bench/soak_bench under faketime at 60
# times the speed, starting at 08:58:30 on Monday 7 December 2026, on a private X server.
# Prints each task's firings, the chimes and resident memory at each full hour; exits 1 when
# anything fired other than exactly once in its minute or memory grew after the first hour.
# Usage: bench/soak.sh [BUILD_DIR] [HOURS (default 10)]
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$top/tests/lib/x.sh"
source "$top/tests/lib/faketime.sh"
build=$(cd "${1:-$top/build}" && pwd)
hours=${2:-10}
export TZ=UTC LANG=C.UTF-8
unset QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER
echo "machine: $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
start_private_x
(exec_at_time '@2026-12-07 08:58:30 x60' "$build/bench/soak_bench" "$hours")
