# SPDX-License-Identifier: GPL-3.0-or-later
# Shared start of the whole-program benchmarks. Source it with the build folder
# in BUILD; it makes a private work folder ($WORK, removed at exit) that the
# program takes for its lock, configuration and runtime folders, and starts a
# private Xvfb of the given size (default 1024x768).
#   bench_start_xvfb [WIDTHxHEIGHT]
set -euo pipefail
WORK=$(mktemp -d /tmp/koktd-bench.XXXXXX)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$WORK"' EXIT
export KOKTD_LOCK_DIR="$WORK" XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK"
chmod 700 "$WORK"

bench_start_xvfb() {
    mkfifo "$WORK/fd"
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset 3>"$WORK/fd" \
        >/dev/null 2>&1 &
    local num
    read -r num <"$WORK/fd"
    export DISPLAY=":$num"
}

# Prints the id of the first viewable window of process PID once there is one,
# polling every POLL seconds (default 0.002); fails when the process ends first.
bench_wait_window() {
    local pid=$1 win=""
    while [ -z "$win" ]; do
        kill -0 "$pid" 2>/dev/null || { echo "process $pid ended before showing a window" >&2; return 1; }
        win=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1 || true)
        [ -n "$win" ] || sleep "${2:-0.002}"
    done
    echo "$win"
}

bench_now_ms() { date +%s%3N; }

# The median of the numbers on standard input, one a line (of an even count,
# the mean of the middle two).
bench_median() { sort -g | awk '{ a[NR] = $1 } END { print (a[int((NR + 1) / 2)] + a[int(NR / 2) + 1]) / 2 }'; }

# CPU time of process PID in nanoseconds, summed over its threads (finer than
# the clock ticks of /proc/PID/stat).
bench_cpu_ns() { { cat /proc/"$1"/task/*/schedstat 2>/dev/null || true; } | awk '{ s += $1 } END { print s + 0 }'; }

# Voluntary context switches of process PID, summed over its threads: each is
# a thread going to sleep, so over a window they count its wake-ups.
# Preemptions (nonvoluntary) are left out: they measure the machine's load.
bench_wakeups() {
    { cat /proc/"$1"/task/*/status 2>/dev/null || true; } |
        awk '/^voluntary_ctxt_switches/ { s += $2 } END { print s + 0 }'
}
