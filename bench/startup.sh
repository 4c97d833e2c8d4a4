#!/usr/bin/env bash
# Start-to-visible time, resident memory and idle wake-ups of the clock under
# Xvfb, side by side with a minimal Qt frameless clock built the same way (the
# floor).
# Usage: bench/startup.sh [build-dir] [runs]. Prints figures; never fails on them.
# BASELINE=<folder of an earlier build's koktd> measures that one too, in the
# same run, to compare a change with what came before it.
set -euo pipefail
BUILD=$(cd "${1:-build}" && pwd)
RUNS=${2:-10}
source "$(dirname "$0")/lib.sh"
bench_start_xvfb
mkdir -p "$WORK/app"
cp -r "$BUILD/bin/." "$WORK/app/"
if [ -n "${BASELINE:-}" ]; then
    mkdir -p "$WORK/base"
    cp -r "$BASELINE/." "$WORK/base/"
fi

now_ms() { date +%s%3N; }

# Prints "<ms to visible> <resident kB>" for one start of a program.
measure() {
    local start pid win="" end rss
    start=$(now_ms)
    "$@" >/dev/null 2>>"$WORK/stderr" &
    pid=$!
    while [ -z "$win" ]; do
        kill -0 "$pid" 2>/dev/null || { echo "$1 ended before showing a window:" >&2; cat "$WORK/stderr" >&2; return 1; }
        win=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1 || true)
        [ -n "$win" ] || sleep 0.002
    done
    end=$(now_ms)
    sleep 1
    rss=$(awk '/VmRSS/{print $2}' /proc/$pid/status)
    kill "$pid"; wait "$pid" 2>/dev/null || true
    echo "$((end - start)) $rss"
}

median() { sort -n | awk '{a[NR]=$1} END{print a[int((NR+1)/2)]}'; }

run_many() {
    local i
    for i in $(seq 1 "$RUNS"); do measure "$@"; done >"$WORK/runs"
    echo "$(cut -d' ' -f1 "$WORK/runs" | median) $(cut -d' ' -f2 "$WORK/runs" | median)"
}

read -r floor_ms floor_kb < <(run_many "$BUILD/bench/bench_minimal_clock")
read -r clock_ms clock_kb < <(run_many "$WORK/app/koktd")
printf '%-22s %12s %14s\n' program "visible (ms)" "resident (MB)"
printf '%-22s %12d %14.1f\n' "minimal Qt clock" "$floor_ms" "$(echo "$floor_kb/1024" | bc -l)"
printf '%-22s %12d %14.1f\n' "kOk DIAL TD" "$clock_ms" "$(echo "$clock_kb/1024" | bc -l)"
printf 'ratios against the minimal clock: start-up %.2f, memory %.2f (median of %d runs)\n' \
    "$(echo "$clock_ms/$floor_ms" | bc -l)" "$(echo "$clock_kb/$floor_kb" | bc -l)" "$RUNS"
if [ -n "${BASELINE:-}" ]; then
    read -r base_ms base_kb < <(run_many "$WORK/base/koktd")
    printf '%-22s %12d %14.1f\n' "baseline" "$base_ms" "$(echo "$base_kb/1024" | bc -l)"
    printf 'ratios against the baseline: start-up %.2f, memory %.2f\n' \
        "$(echo "$clock_ms/$base_ms" | bc -l)" "$(echo "$clock_kb/$base_kb" | bc -l)"
fi

# Idle wake-ups: context switches of the whole process over ten idle seconds.
wakeups() {
    "$@" >/dev/null 2>&1 &
    local pid=$! before after
    sleep 2
    before=$(cat /proc/$pid/task/*/status | awk '/voluntary_ctxt_switches/{s+=$2} END{print s}')
    sleep 10
    after=$(cat /proc/$pid/task/*/status | awk '/voluntary_ctxt_switches/{s+=$2} END{print s}')
    kill "$pid"; wait "$pid" 2>/dev/null || true
    echo "scale=1; ($after - $before) / 10" | bc
}
printf 'idle wake-ups per second: minimal clock %s, kOk DIAL TD %s\n' \
    "$(wakeups "$BUILD/bench/bench_minimal_clock")" "$(wakeups "$WORK/app/koktd")"
[ -z "${BASELINE:-}" ] || printf 'idle wake-ups per second: baseline %s\n' "$(wakeups "$WORK/base/koktd")"
