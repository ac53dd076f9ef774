# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# Sourced: $libfaketime, the library that sets a process's clock, and at_time to run a program
# with it. Scripts preload it themselves rather than through the faketime wrapper: the wrapper
# keeps a semaphore named after its process number that outlives a killed run, and a later
# wrapper that gets the same number refuses to start ("sem_open: File exists").
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
[ -n "${libfaketime:-}" ] ||
    libfaketime=$(dpkg -L libfaketime | awk '/\/libfaketimeMT\.so\.1$/ && !found { found = 1; print }')

# exec_at_time CLOCK COMMAND...: replaces the calling shell by COMMAND on a faked CLOCK
# ('@2026-12-07 10:29:30 x10': that local time at its start, ten times as fast), so that the
# caller knows COMMAND's process; call it in the background or in a subshell:
#   exec_at_time CLOCK PROGRAM >LOG & pid=$!      (cd DIR && exec_at_time CLOCK PROGRAM)
# Never a frozen clock (one without @): it stops the program's event loop. AddressSanitizer's
# link-order check is off: it takes the preloaded library for a fault.
exec_at_time() {
    export FAKETIME=$1 LD_PRELOAD=$libfaketime
    export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0
    exec "${@:2}"
}

# exec_at_time_file FILE COMMAND...: as exec_at_time, with the clock read from FILE (one line
# such as '@2026-12-07 10:29:30') at every look at the time, so that a test jumps the clock by
# rewriting it; the monotonic clock jumps with it.
exec_at_time_file() {
    unset FAKETIME
    export FAKETIME_TIMESTAMP_FILE=$1 FAKETIME_NO_CACHE=1 LD_PRELOAD=$libfaketime
    export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0
    exec "${@:2}"
}
