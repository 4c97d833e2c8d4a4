#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The sound really leaves the program: beep pattern 2 and a shipped wave file are
# recorded from a private PulseAudio server's null sink and measured; without a
# server the program stays silent, quiet and on time.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/sound_lib.sh"
PROBE=${E2E_SOUND_PROBE:?set by ctest to the sound probe binary}

install="$E2E_WORK/install"
e2e_make_install "$install"
cp "$PROBE" "$install/"
e2e_start_pulse

# Pattern 2: 2000 Hz for 150 ms, a 25 ms pause, 3000 Hz for 300 ms.
e2e_start_recording "$E2E_WORK/beep2.raw"
"$install/sound_probe" beep 2
e2e_stop_recording
tones=$(e2e_tones "$E2E_WORK/beep2.raw")
echo "pattern 2 as recorded (start ms, length ms, Hz):"
echo "$tones"
[ "$(echo "$tones" | wc -l)" -eq 2 ] || e2e_fail "expected two tones"
read -r s1 l1 f1 <<<"$(echo "$tones" | sed -n 1p)"
read -r s2 l2 f2 <<<"$(echo "$tones" | sed -n 2p)"
awk -v f="$f1" 'BEGIN { exit !(f > 1980 && f < 2020) }' || e2e_fail "first tone is $f1 Hz"
awk -v l="$l1" 'BEGIN { exit !(l > 144 && l < 156) }' || e2e_fail "first tone lasts $l1 ms"
awk -v f="$f2" 'BEGIN { exit !(f > 2970 && f < 3030) }' || e2e_fail "second tone is $f2 Hz"
awk -v l="$l2" 'BEGIN { exit !(l > 294 && l < 306) }' || e2e_fail "second tone lasts $l2 ms"
gap=$(awk -v a="$s1" -v b="$l1" -v c="$s2" 'BEGIN { printf "%.1f", c - a - b }')
echo "pause: $gap ms"
awk -v g="$gap" 'BEGIN { exit !(g >= 24 && g < 100) }' || e2e_fail "pause of $gap ms"

# The default alarm sound, named the Windows way, found beside the program.
e2e_start_recording "$E2E_WORK/logoff.raw"
"$install/sound_probe" wave 'MEDIA\LOGOFF.wAv' 2000
e2e_stop_recording
len=$(sox -t raw -r 44100 -e signed -b 16 -c 1 "$E2E_WORK/logoff.raw" -n stat 2>&1 |
      awk '/RMS +amplitude/ { print $3 }')
echo "LOGOFF RMS as recorded: $len"
awk -v r="$len" 'BEGIN { exit !(r > 0.01) }' || e2e_fail "MEDIA\\LOGOFF.wAv was not heard"

# The sound-card pre-warning: the 140 ms clip (a 70 ms beep) looped for 1.5 s, then cut off.
# A busy machine may cut late, so up to 1.64 s is allowed; the cut may fall inside
# the last beep, which is then shorter than the others.
printf '[kOk:TD]\r\nWarnBeep=0\r\n' >"$install/kOkTD.KiF"
e2e_start_recording "$E2E_WORK/warn.raw"
"$install/sound_probe" warn
e2e_stop_recording
tones=$(e2e_tones "$E2E_WORK/warn.raw")
echo "pre-warning as recorded:"; echo "$tones"
count=$(echo "$tones" | grep -c .)
[ "$count" -ge 10 ] && [ "$count" -le 12 ] || e2e_fail "expected about 11 beeps, heard $count"
echo "$tones" | awk -v n="$count" 'NR == 1 { t0 = $1 }
    { if ($3 < 1980 || $3 > 2020 || $2 > 80 || ($2 < 60 && NR < n)) bad = 1; end = $1 + $2 }
    END { if (end - t0 > 1640) bad = 1; exit bad }' ||
    e2e_fail "the pre-warning is not 2000 Hz beeps ending 1.5 s after the first"
rm "$install/kOkTD.KiF"

# No server: silent, no message, and the pattern still takes its time.
kill "$E2E_PULSE_PID" 2>/dev/null || true
export PULSE_SERVER="unix:$E2E_WORK/nothing-here.sock"
start=$(date +%s%N)
out=$("$install/sound_probe" beep 2 2>&1)
ms=$(( ($(date +%s%N) - start) / 1000000 ))
echo "pattern 2 without a server: $ms ms, output: '${out}'"
[ -z "$out" ] || e2e_fail "unexpected output without a server: $out"
[ "$ms" -ge 470 ] && [ "$ms" -lt 1500 ] || e2e_fail "pattern 2 took $ms ms without a server"
echo "PASS"
