#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# The installed program (its prefix moved away from the configured one) and the build tree's,
# each started from an empty folder as an autostart entry would, chime on the full hour with
# clock.wav from their own data folder: what ALSA is given must be clock.wav's samples.
# Usage: sound-lookup.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/../lib/home.sh"
source "$(dirname "$0")/../lib/faketime.sh"
build=$1
make_work
install_build "$build"
private_home "$work/home"
fail_logs+=("$work/app.log")
seed_registry "$prefix/bin/tocklet-reg" "$prefix/share/tocklet/setup.reg" "" \
    $'"1"="1110,30_|e2e"\n"ClockOpen"=hex(1):31\n"music"="1"'
mkdir "$work/elsewhere"

# clock.wav's samples, as they reach the sound device.
sox "$prefix/share/tocklet/clock.wav" -t raw "$work/clock.raw"
want=$(stat -c %s "$work/clock.raw")

# played_all_or_ended: ALSA has been given as many bytes as clock.wav holds, or the program ended.
played_all_or_ended() {
    [ "$(stat -c %s "$played" 2>/dev/null || echo 0)" -ge "$want" ] || ended "$app"
}

# chime_from_elsewhere PROGRAM: started in an empty folder on an X server of its own.
chime_from_elsewhere() {
    local program=$1
    played=$work/played.raw
    rm -f "$played"
    printf 'pcm.!default { type file slave.pcm "null" file "%s" format "raw" }\n' "$played" \
        >"$HOME/.asoundrc"
    start_private_x
    # Ten seconds before the full hour.
    (cd "$work/elsewhere" && exec_at_time '@2026-12-07 10:59:50' "$program") >"$work/app.log" 2>&1 &
    app=$!
    wait_until played_all_or_ended || true
    # Whether it played is judged from what ALSA got; one that already ended has its log shown.
    stop_process "$app"
    stop_private_x
    [ -s "$played" ] || fail "$program played nothing"
    # What ALSA got starts with the whole file's samples (a period may pad the end).
    cmp -s -n "$want" "$played" "$work/clock.raw" ||
        fail "$program played something other than clock.wav"
    echo "$program, started in an empty folder, played clock.wav"
}
chime_from_elsewhere "$prefix/bin/tocklet"
chime_from_elsewhere "$build/shell/tocklet"
