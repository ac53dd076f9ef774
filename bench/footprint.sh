#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# Start-to-tray time, memory after start and idle cost of tocklet beside a bare Qt 6 program
# doing the same visible work (bench/bare_tray.cpp: tray icon, a dialog with Chinese text
# shown and hidden after 800 ms, its title rewritten every second), measured in the same
# series by the shared desktop-footprint tool (fresh Xvfb, tray host, private D-Bus for each
# run). Prints the rows, then each tocklet row against the bare program and the targets.
# Usage: bench/footprint.sh [BUILD_DIR] [SERIES (default 2)] [desktop-footprint options]
#   e.g. bench/footprint.sh build 2 -n 3 -i 60
# SETUPS (default "hidden") names the tocklet set-ups measured in each series, any of:
#   hidden     the panel hidden, the clock not shown, protection off (row "tocklet")
#   protected  the same with password protection on (row "tocklet-protected")
#   clock      the floating clock shown from the start (row "tocklet-clock")
# CLOCK=1 alone still means SETUPS=clock.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$top/tests/lib/home.sh"
build=$(cd "${1:-$top/build}" && pwd)
series=${2:-2}
shift $(($# < 2 ? $# : 2)) || true
tool=${DESKTOP_FOOTPRINT:-$top/../shared/tools/desktop-footprint.sh}
if [ "${CLOCK:-0}" = 1 ]; then setups=${SETUPS:-clock}; else setups=${SETUPS:-hidden}; fi

# seed_home DIR [PANEL_VALUES]: a home with an installed, already set-up tocklet holding two
# tasks, so the run measures the everyday start (no first-run or empty-list message).
make_work
seed_home() {
    mkdir -p "$1"
    XDG_CONFIG_HOME=$1/.config seed_registry "$build/tools/tocklet-reg" \
        "$top/resources/setup.reg" "${2:-}" \
        $'"happen"=hex(1):32,00,00\n"1"="1110,30_|meeting"\n"2"="1322,0_6|backup"'
    printf 'pcm.!default { type null }\n' > "$1/.asoundrc"
}
rows=$work/rows
for setup in $setups; do
    case $setup in
        hidden) seed_home "$work/seed-hidden" ;;
        protected) seed_home "$work/seed-protected" $'"UsePas"="1"\n"pass"="bench"' ;;
        clock)
            seed_home "$work/seed-clock"
            printf '[option]\nclock=1\ncolor=2\n' > "$work/seed-clock/.config/tocklet/zidezarudiva.ini" ;;
        *) echo "unknown set-up: $setup" >&2; exit 2 ;;
    esac
done
label_of() { case $1 in hidden) echo tocklet ;; *) echo "tocklet-$1" ;; esac; }

echo "# machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs); load at start $(cut -d' ' -f1-3 /proc/loadavg)"
header=-H
for ((s = 1; s <= series; s++)); do
    first=${setups%% *}
    bash "$tool" $header -c "$work/seed-$first" "$@" bare-qt -- "$build/bench/bare_tray" | tee -a "$rows"
    header=
    for setup in $setups; do
        bash "$tool" -c "$work/seed-$setup" "$@" "$(label_of "$setup")" -- "$build/shell/tocklet" |
            tee -a "$rows"
    done
done
echo "# load at end $(cut -d' ' -f1-3 /proc/loadavg)"

# Ratios from the medians of all series: start time and idle CPU as tocklet / bare, memory
# as the difference; the targets: start <= 1.2 x, PSS <= bare + 2.5 MB, CPU <= 10 ms and
# context switches <= 2 per idle minute (the program sleeps until something is due; with the
# clock shown it wakes once a second, as the bare program does).
# The idle figures are per idle window (the tool's -i, named in the header: cpu_ms_60s), scaled
# here to a minute.
awk -F'\t' '
    $1 == "label" { w = $7; gsub(/[^0-9]/, "", w); perMinute = (w > 0) ? 60 / w : 1; next }
    /^#/ { next }
    { split($4, s, "/"); split($5, m, "/"); split($6, p, "/"); split($7, c, "/"); split($8, x, "/")
      n[$1]++; start[$1] += s[2]; rss[$1] += m[2]; pss[$1] += p[2]
      cpu[$1] += c[2] * perMinute; ctx[$1] += x[2] * perMinute }
    END {
      if (!n["bare-qt"]) exit
      for (k in n) { start[k] /= n[k]; rss[k] /= n[k]; pss[k] /= n[k]; cpu[k] /= n[k]; ctx[k] /= n[k] }
      printf "bare Qt (medians): context switches %.0f a minute\n", ctx["bare-qt"]
      for (k in n) {
        if (k == "bare-qt") continue
        r = start[k] / start["bare-qt"]; d = (pss[k] - pss["bare-qt"]) / 1024
        limit = (k == "tocklet-clock") ? 75 : 2
        printf "%s vs bare Qt (medians): start %.2f x (target <= 1.2), PSS %+.1f MB (target <= +2.5), idle CPU %.0f ms a minute (<= 10), context switches %.0f a minute (<= %d)\n",
          k, r, d, cpu[k], ctx[k], limit
        ok = r <= 1.2 && d <= 2.5 && (k == "tocklet-clock" || cpu[k] <= 10) && ctx[k] <= limit
        print ok ? "  within the targets" : "  NOT within the targets"
        # PSS shares each library page among the processes mapping it, so it moves with
        # what else runs on the machine; resident memory does not.
        printf "  resident memory: %+.1f MB against the bare program\n", (rss[k] - rss["bare-qt"]) / 1024
      }
    }' "$rows"
