#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer)
# and runs each for the given time on its seed corpus in tests/fuzz/corpus/<name>.
# Usage: tools/fuzz.sh [SECONDS_EACH (default 600)] [TARGET...]
#   targets: regfile regfile5 task_record ini (default: all)
# New inputs the fuzzer finds go to a scratch corpus, not into the repository. A finding
# (crash, leak, sanitizer report, timeout) is kept as build-fuzz/findings/<target>/crash-*;
# add it to tests/fuzz/corpus/<target> and make it a regression test. Exits 1 on a finding.
set -uo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-600}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(regfile regfile5 task_record ini)
build=${FUZZ_BUILD_DIR:-$top/build-fuzz}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

CXX=clang++ cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOCKLET_FUZZ=ON \
    -DBUILD_TESTING=OFF "${launcher[@]}" >/dev/null || exit 2
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/%/_fuzz}" || exit 2

status=0
for t in "${targets[@]}"; do
    scratch=$(mktemp -d)
    findings=$build/findings/$t
    rm -rf "$findings" && mkdir -p "$findings"
    echo "== $t: ${seconds} s"
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1 \
        "$build/tests/fuzz/${t}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$findings/" "$scratch" "$top/tests/fuzz/corpus/$t" \
        > "$build/findings/$t.log" 2>&1
    rc=$?
    grep -E '^(stat::number_of_executed_units|stat::new_units_added|stat::peak_rss_mb)|^#[0-9]+ *DONE' \
        "$build/findings/$t.log" | tail -4
    echo "   corpus now $(find "$scratch" "$top/tests/fuzz/corpus/$t" -type f | wc -l) inputs"
    if [ $rc -ne 0 ]; then
        echo "   FINDING (exit $rc): see $build/findings/$t.log and $findings/"
        status=1
    fi
    rm -rf "$scratch"
done
exit $status
