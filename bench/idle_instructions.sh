#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Instructions the idle clock executes per 30 ticks beside the minimal Qt
# clock (bench/floor), and with its stopwatch running, counted by callgrind:
# unlike CPU time, the count does not move with the machine's load, so it
# decides the idle target where bench/run's CPU figure is within its own
# noise. Prints one table; never fails on a figure.
# Needs valgrind and the targets koktd and bench_minimal_clock built.
# Usage: bench/idle_instructions.sh [build-dir] [seconds counted, default 30]
# BASELINE=<folder of an earlier build's koktd> adds a column, as for bench/run.
set -euo pipefail
BUILD=$(cd "${1:-build}" && pwd)
SECONDS_COUNTED=${2:-30}
SETTLE=8 # seconds after the window shows before counting starts
source "$(dirname "$0")/lib.sh"
command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 2; }
MINIMAL="$BUILD/bench/bench_minimal_clock"
for f in "$MINIMAL" "$BUILD/bin/koktd"; do
    [ -x "$f" ] || { echo "$f is not built" >&2; exit 2; }
done
bench_start_xvfb

# Instructions of one program over the counted seconds, scaled to 30 ticks.
count() {
    local name=$1 program=$2 pid out
    out="$WORK/$name.cg"
    valgrind --tool=callgrind --instr-atstart=no --callgrind-out-file="$out" "$program" \
        >"$WORK/$name.log" 2>&1 &
    pid=$!
    bench_wait_window "$pid" 0.1 >/dev/null
    sleep "$SETTLE"
    callgrind_control -i on "$pid" >/dev/null 2>&1
    sleep "$SECONDS_COUNTED"
    callgrind_control -i off "$pid" >/dev/null 2>&1
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    callgrind_annotate "$out" 2>/dev/null |
        awk -v s="$SECONDS_COUNTED" '/PROGRAM TOTALS/ { gsub(",", "", $1); printf "%.2f\n", $1 / s * 30 / 1e6 }'
}

# Each clock runs from a program folder of its own, settings and all; with
# "stopwatch" as MODE its stopwatch runs, started now.
clock() {
    local name=$1 from=$2 mode=${3:-idle}
    mkdir -p "$WORK/$name"
    cp -r "$from/." "$WORK/$name/"
    printf '[kOk:TD]\r\nPosX=300\r\nPosY=100\r\n' >"$WORK/$name/kOkTD.KiF"
    if [ "$mode" = stopwatch ]; then
        printf '[kOk:TD:Timer]\r\nActive=1\r\n' >>"$WORK/$name/kOkTD.KiF"
        printf '[kOk:TD:Timer:tmr]\r\nStartHour=%d\r\nStartMinute=%d\r\nStartSecond=%d\r\nDropped=0\r\n' \
            "$(date +%-H)" "$(date +%-M)" "$(date +%-S)" >"$WORK/$name/kOkTD.timer"
    fi
    count "$name" "$WORK/$name/koktd"
}

minimal=$(count minimal "$MINIMAL")
koktd=$(clock koktd "$BUILD/bin")
stopwatch=$(clock stopwatch "$BUILD/bin" stopwatch)
# One line of the table: koktd's FIGURE against REFERENCE and LIMIT.
line() {
    local label=$1 minimal=$2 figure=$3 baseline=$4 reference=$5 limit=$6 against=$7 ratio
    printf '%-34s %9s %9s' "$label" "$minimal" "$figure"
    [ -z "${BASELINE:-}" ] || printf ' %9s' "$baseline"
    ratio=$(echo "$figure / $reference" | bc -l)
    printf ' %6.2f  <= %.2f x %-10s %s\n' "$ratio" "$limit" "$against" \
        "$([ "$(echo "$ratio <= $limit" | bc)" = 1 ] && echo yes || echo no)"
}
base_idle="" base_stopwatch=""
if [ -n "${BASELINE:-}" ]; then
    base_idle=$(clock baseline "$(cd "$BASELINE" && pwd)")
    base_stopwatch=$(clock baseline-stopwatch "$(cd "$BASELINE" && pwd)" stopwatch)
fi
printf '%-34s %9s %9s' "M instructions per 30 ticks" minimal koktd
[ -z "${BASELINE:-}" ] || printf ' %9s' baseline
printf ' %6s  %s\n' ratio target
line "idle" "$minimal" "$koktd" "$base_idle" "$minimal" 1.05 minimal
line "stopwatch running" - "$stopwatch" "$base_stopwatch" "$koktd" 1.2 "koktd idle"
echo "method: each program alone under valgrind --tool=callgrind, counting switched on" \
    "$SETTLE s after its window shows and kept on for $SECONDS_COUNTED s, scaled to 30 ticks."
