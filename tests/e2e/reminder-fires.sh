#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# End to end: the real program, on a private X server, at a chosen wall-clock time (faketime,
# ten times faster, half a minute before the first whole one so that a slow start-up still
# sees it), with a stored message task due in the minute after the first whole one;
# the "Hi" pop-up must appear.
# Usage: reminder-fires.sh TOCKLET TOCKLET_REG SETUP_REG [SCREENSHOT.png]
set -euo pipefail
tocklet=$1 reg=$2 setup=$3 shot=${4:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/lib.sh"
# Silence: a null ALSA sink, so the reminder sound plays nowhere.
e2e_private_home "$work" $'pcm.!default { type null }\nctl.!default { type hw card 0 }'
# "开会" in code page 936.
e2e_seed_registry "$reg" "$setup" "" $'"1"="1110,31_|\xbf\xaa\xbb\xe1 e2e"'
"$reg" tasks

cat > "$work/inside-x.sh" <<INNER
set -u
cd "$work"
ASAN_OPTIONS=\${ASAN_OPTIONS:-}:verify_asan_link_order=0 FAKETIME='@2026-12-07 10:29:30 x10' \
    LD_PRELOAD="$libfaketime" "$tocklet" > "$work/app.log" 2>&1 &
app=\$!
for i in \$(seq 1 300); do
    if xdotool search --onlyvisible --name '^Hi\$' >/dev/null 2>&1; then
        echo "reminder window appeared after \$((i / 10)).\$((i % 10)) s"
        sleep 0.5
        [ -n "$shot" ] && xwd -root -silent | convert xwd:- -trim +repage "$shot"
        kill \$app; exit 0
    fi
    if ! kill -0 \$app 2>/dev/null; then echo "tocklet ended early"; cat "$work/app.log"; exit 1; fi
    sleep 0.1
done
echo "no reminder window within 30 s"; cat "$work/app.log"; kill \$app; exit 1
INNER
in_private_x 1024x700x24 bash "$work/inside-x.sh"
