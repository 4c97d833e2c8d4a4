#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# --status prints the running clock's state as "key: value" lines: the
# stopwatch that --stopwatch start set going reads on, a pause holds it, and
# --quit ends the clock. Started with a command and no clock running, the
# command starts a clock and applies it.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb
APP="$E2E_WORK/app"
e2e_make_install "$APP"
printf '[kOk:TD]\r\nPosX=300\r\nPosY=200\r\n' >"$APP/kOkTD.KiF"

# No clock runs: this start is the clock, and its stopwatch runs.
e2e_start_clock "$APP" --stopwatch start
WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "no clock window"

status() { "$APP/koktd" --status >"$E2E_WORK/status.txt" 2>&1; }
value() { sed -n "s/^$1: //p" "$E2E_WORK/status.txt"; }
seconds() { value stopwatch | awk -F'[: ]' '/^[0-9]+:[0-9][0-9]:[0-9][0-9]/ { print $1 * 3600 + $2 * 60 + $3 }'; }
reads_at_least() { status && [ "$(seconds)" -ge "$1" ] 2>/dev/null; }

e2e_wait_for 20 reads_at_least 2 || e2e_fail "the stopwatch does not read on: $(cat "$E2E_WORK/status.txt")"
for key in time next-alarm countdown stopwatch reminder; do
    grep -q "^$key: " "$E2E_WORK/status.txt" || e2e_fail "no $key line: $(cat "$E2E_WORK/status.txt")"
done
value time | grep -Eq '^[0-9]{2}:[0-9]{2}:[0-9]{2}$' || e2e_fail "time: $(value time)"
[ "$(value countdown)" = "-" ] || e2e_fail "a countdown that does not run: $(value countdown)"
cat "$E2E_WORK/status.txt"

"$APP/koktd" --stopwatch pause || e2e_fail "pause"
status
value stopwatch | grep -q '(paused)' || e2e_fail "not paused: $(value stopwatch)"
HELD=$(seconds)
"$APP/koktd" --stopwatch resume || e2e_fail "resume"
e2e_wait_for 20 reads_at_least $((HELD + 2)) || e2e_fail "the stopwatch did not resume: $(value stopwatch)"

"$APP/koktd" --quit || e2e_fail "quit"
e2e_wait_for 10 e2e_ended "$CLOCK_PID" || e2e_fail "--quit did not end the clock"
echo "--status read the running stopwatch; --quit ended the clock"
