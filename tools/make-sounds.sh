#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# Synthesises tocklet's two sounds with sox into resources/sounds/ (or the folder given):
#   clock.wav  a soft two-tone chime (reminders and the hourly chime), about 1 s
#   close.wav  four short warning beeps (the power-off countdown), about 1 s
# No dither, so the same sox gives the same bytes every time.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out=${1:-$here/../resources/sounds}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rate=22050
sx() { sox -D -V1 "$@"; }

# One bell-like tone: a fundamental with a quieter octave and twelfth, fading out.
bell() {  # file frequency seconds
    sx -n -r $rate -c 3 -b 16 "$work/$1.raw.wav" synth "$3" sine "$2" sine "$(awk "BEGIN{print $2*2}")" \
        sine "$(awk "BEGIN{print $2*3}")"
    sx "$work/$1.raw.wav" -c 1 "$work/$1.wav" remix 1v0.6,2v0.25,3v0.1 fade l 0.005 "$3" "$3"
}
bell hi 783.99 0.50   # G5
bell lo 659.25 0.62   # E5
sx "$work/hi.wav" "$work/lo.wav" "$work/chime.wav"
sx "$work/chime.wav" -b 16 "$out/clock.wav" gain -n -3

# One beep: a square wave softened by a low-pass filter, then a short pause.
sx -n -r $rate -c 1 -b 16 "$work/beep.wav" synth 0.14 square 988 lowpass 3000 fade t 0.01 0.14 0.02 \
    pad 0 0.11
sx "$work/beep.wav" "$work/beep.wav" "$work/beep.wav" "$work/beep.wav" "$work/beeps.wav"
sx "$work/beeps.wav" -b 16 "$out/close.wav" gain -n -4
ls -l "$out"
