#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Tick lag: how long after the wall clock's second the shown second changes,
# read from the window's pixels every 0.25 ms (bench_tick_lag), idle and with
# both cores busy, for the clock and for the minimal Qt clock in the same run.
# Usage: bench/tick_lag.sh [build-dir] [ticks]. Prints figures; never fails on them.
# BASELINE=<folder of an earlier build's koktd> measures that one too.
set -euo pipefail
BUILD=$(cd "${1:-build}" && pwd)
TICKS=${2:-30}
source "$(dirname "$0")/lib.sh"
bench_start_xvfb
POLL="$BUILD/bench/bench_tick_lag"

# Prints "<median> <p90> <max>" for a program started from the given command;
# the rectangle (X Y W H in the window) is that of its time text.
lag_of() {
    local x=$1 y=$2 w=$3 h=$4 pid win
    shift 4
    "$@" >/dev/null 2>>"$WORK/stderr" &
    pid=$!
    win=$(bench_wait_window "$pid" 0.02)
    sleep 1.5 # past the start's own paints
    "$POLL" "$win" "$x" "$y" "$w" "$h" "$TICKS" || echo "- - -"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

# A program in its own copy of the build, the default ("ext") skin, whose time
# text is at 25,1 and 51 x 13.
install_clock() {
    mkdir -p "$WORK/$1"
    cp -r "$2/." "$WORK/$1/"
    printf '[kOk:TD]\r\nPosX=300\r\nPosY=200\r\n' >"$WORK/$1/kOkTD.KiF"
}
install_clock app "$BUILD/bin"
[ -z "${BASELINE:-}" ] || install_clock base "$BASELINE"

measure_all() {
    printf '%-24s %s\n' "minimal Qt clock" "$(lag_of 0 0 125 28 "$BUILD/bench/bench_minimal_clock")"
    printf '%-24s %s\n' "kOk DIAL TD" "$(lag_of 25 1 51 13 "$WORK/app/koktd")"
    [ -z "${BASELINE:-}" ] || printf '%-24s %s\n' "baseline" "$(lag_of 25 1 51 13 "$WORK/base/koktd")"
}

echo "tick lag in ms after the wall-clock second, over $TICKS ticks: median p90 max"
echo "-- idle"
measure_all
echo "-- both cores busy (two busy processes)"
yes >/dev/null &
BUSY1=$!
yes >/dev/null &
BUSY2=$!
measure_all
kill "$BUSY1" "$BUSY2"
