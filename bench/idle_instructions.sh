#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Instructions the idle clock executes per 30 ticks beside the minimal Qt
# clock (bench/floor), counted by callgrind: unlike CPU time, the count does
# not move with the machine's load, so it decides the idle target where
# bench/run's CPU figure is within its own noise. Prints one table; never
# fails on a figure.
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

# Each clock runs from a program folder of its own, settings and all.
clock() {
    local name=$1 from=$2
    mkdir -p "$WORK/$name"
    cp -r "$from/." "$WORK/$name/"
    printf '[kOk:TD]\r\nPosX=300\r\nPosY=100\r\n' >"$WORK/$name/kOkTD.KiF"
    count "$name" "$WORK/$name/koktd"
}

minimal=$(count minimal "$MINIMAL")
koktd=$(clock koktd "$BUILD/bin")
printf '%-34s %9s %9s' "figure" minimal koktd
[ -z "${BASELINE:-}" ] || printf ' %9s' baseline
printf ' %6s  %s\n' ratio "target"
printf '%-34s %9s %9s' "idle: M instructions per 30 ticks" "$minimal" "$koktd"
[ -z "${BASELINE:-}" ] || printf ' %9s' "$(clock baseline "$(cd "$BASELINE" && pwd)")"
ratio=$(echo "$koktd / $minimal" | bc -l)
printf ' %6.2f  <= 1.05 x minimal %s\n' "$ratio" \
    "$([ "$(echo "$ratio <= 1.05" | bc)" = 1 ] && echo yes || echo no)"
echo "method: each program alone under valgrind --tool=callgrind, counting switched on" \
    "$SETTLE s after its window shows and kept on for $SECONDS_COUNTED s, scaled to 30 ticks."
