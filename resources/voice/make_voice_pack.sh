#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the voice pack "kOkvoice.dll": the hours spoken in Russian by espeak-ng
# and the call-sign beeps, as wave clips named kok_*, packed by Qt's rcc into a
# binary resource file that the program opens at run time. Needs sox.
#   make_voice_pack.sh <espeak-ng> <rcc> <work-dir holding kok_beeps.wav> <output>
set -euo pipefail
espeak=$1 rcc=$2 work=$3 out=$4
command -v sox >/dev/null || { echo "make_voice_pack: sox is missing" >&2; exit 1; }

# espeak-ng ends every clip with almost half a second of silence, which would
# stand between the number and the word for "hours". The silence is cut at
# both ends; short fades and a few milliseconds of tail keep the cut edges from
# clicking, and every clip peaks at -1 dB, loud but clear of clipping.
say() { # clip name, words
    "$espeak" -v ru -s 140 -w "$work/$1.raw.wav" "$2"
    sox "$work/$1.raw.wav" "$work/$1.wav" \
        silence 1 0.001 0.05% fade t 0.003 \
        reverse silence 1 0.001 0.05% fade t 0.01 reverse \
        pad 0.002 0.02 norm -1
    rm "$work/$1.raw.wav"
}

numbers=(
    [1]="один" [2]="два" [3]="три" [4]="четыре" [5]="пять" [6]="шесть" [7]="семь"
    [8]="восемь" [9]="девять" [10]="десять" [11]="одиннадцать" [13]="тринадцать"
    [14]="четырнадцать" [15]="пятнадцать" [16]="шестнадцать" [17]="семнадцать"
    [18]="восемнадцать" [19]="девятнадцать" [20]="двадцать" [21]="двадцать один"
    [22]="двадцать два" [23]="двадцать три"
)

say kok_midnight "полночь"
say kok_afternoon "полдень"
say kok_hour "час"
say kok_hourz "часа"
say kok_hours "часов"
for n in "${!numbers[@]}"; do
    say "$(printf 'kok_num_%02d' "$n")" "${numbers[$n]}"
done
[ -f "$work/kok_beeps.wav" ] || { echo "make_voice_pack: $work/kok_beeps.wav is missing" >&2; exit 1; }

qrc="$work/kOkvoice.qrc"
{
    echo '<RCC><qresource prefix="/kOkvoice">'
    for f in "$work"/kok_*.wav; do
        name=$(basename "$f" .wav)
        echo "  <file alias=\"$name\">$name.wav</file>"
    done
    echo '</qresource></RCC>'
} >"$qrc"
# rcc compresses wave data well; the program reads the clips either way.
"$rcc" --binary -o "$out.tmp" "$qrc"
mv "$out.tmp" "$out"
