#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# The installed program (its prefix moved away from the configured one) and the build tree's,
# each started from an empty folder as an autostart entry would, chime on the full hour with
# clock.wav from their own data folder: what ALSA is given must be clock.wav's samples.
# Usage: sound-lookup.sh BUILD_DIR
build=$1
source "$(dirname "$0")/lib.sh"
seed_registry "$one_task"'"ClockOpen"=hex(1):31\n"music"="1"\n'
mkdir "$work/elsewhere"

# clock.wav's samples, as they reach the sound device.
sox "$prefix/share/tocklet/clock.wav" -t raw "$work/clock.raw"

chime_from_elsewhere() {
    local program=$1 played=$work/played.raw
    rm -f "$played"
    printf 'pcm.!default { type file slave.pcm "null" file "%s" format "raw" }\n' "$played" \
        > "$HOME/.asoundrc"
    cat > "$work/inside-x.sh" <<INNER
cd "$work/elsewhere"
FAKETIME='@2026-12-07 10:59:50' LD_PRELOAD="$libfaketime" "$program" > "$work/app.log" 2>&1 &
app=\$!
want=\$(stat -c %s "$work/clock.raw")
for i in \$(seq 1 600); do
    [ -f "$played" ] && [ "\$(stat -c %s "$played")" -ge "\$want" ] && break
    sleep 0.1
done
sleep 0.5
# Whether it played is judged from what ALSA got; one that already ended has its log shown.
kill \$app 2>/dev/null || true
INNER
    run_in_x bash "$work/inside-x.sh"
    [ -s "$played" ] || fail "$program played nothing: $(cat "$work/app.log")"
    # What ALSA got starts with the whole file's samples (a period may pad the end).
    cmp -s -n "$(stat -c %s "$work/clock.raw")" "$played" "$work/clock.raw" ||
        fail "$program played something other than clock.wav"
    echo "$program, started in an empty folder, played clock.wav"
}
chime_from_elsewhere "$prefix/bin/tocklet"
chime_from_elsewhere "$build/shell/tocklet"
