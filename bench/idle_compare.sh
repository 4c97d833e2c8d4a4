#!/usr/bin/env bash
# Idle cost of a feature: two clocks side by side in one Xvfb for the same
# minute, one with the feature at work, one plain. Prints CPU time per minute
# and wake-ups per second of each.
#   alarms     ten active weekday slots checked every second, against none
#   stopwatch  a running stopwatch, against the plain clock
# Usage: bench/idle_compare.sh [build-dir] [seconds, default 60] [alarms|stopwatch].
# Never fails on figures.
set -euo pipefail
BUILD=$(cd "${1:-build}" && pwd)
SECONDS_RUN=${2:-60}
MODE=${3:-alarms}
source "$(dirname "$0")/lib.sh"
bench_start_xvfb

for kind in active none; do
    mkdir -p "$WORK/$kind"
    cp -r "$BUILD/bin/." "$WORK/$kind/"
done
if [ "$MODE" = stopwatch ]; then
    LABEL="stopwatch running"
    printf '[kOk:TD:Timer]\r\nActive=1\r\n' >"$WORK/active/kOkTD.KiF"
    printf '[kOk:TD:Timer:tmr]\r\nStartHour=%d\r\nStartMinute=%d\r\nStartSecond=%d\r\nDropped=0\r\n' \
        "$(date +%-H)" "$(date +%-M)" "$(date +%-S)" >"$WORK/active/kOkTD.timer"
    : >"$WORK/none/kOkTD.KiF"
else
    LABEL="ten slots, Accuracy 1"
    # Ten weekday slots at 03:00 .. 03:09: checked every second, never due now.
    {
        printf '[kOk:TD:Alarms]\r\nAccuracy=1\r\n'
        for n in 0 1 2 3 4 5 6 7 8 9; do
            printf '%d_Use=1\r\n%d_atWeek=1\r\n%d_Hour=3\r\n%d_Minute=%d\r\n' "$n" "$n" "$n" "$n" "$n"
        done
    } >"$WORK/active/kOkTD.KiF"
    printf '[kOk:TD:Alarms]\r\nAccuracy=1\r\n' >"$WORK/none/kOkTD.KiF"
fi

"$WORK/active/koktd" >/dev/null 2>&1 &
ACTIVE=$!
# The second starts once the first holds the instance lock, or the first
# would find it running and say so.
until xdotool search --onlyvisible --pid "$ACTIVE" >/dev/null 2>&1; do sleep 0.05; done
"$WORK/none/koktd" /reboot >/dev/null 2>&1 & # a second instance needs the restart switch
NONE=$!
sleep 3 # both settle after start-up

# CPU time in nanoseconds, summed over the threads (finer than the clock ticks of /proc/PID/stat).
ticks() { cat /proc/"$1"/task/*/schedstat | awk '{ s += $1 } END { print s }'; }
switches() { cat /proc/"$1"/task/*/status | awk '/voluntary_ctxt_switches/{ s += $2 } END { print s }'; }
read -r a_t0 n_t0 a_s0 n_s0 < <(echo "$(ticks $ACTIVE) $(ticks $NONE) $(switches $ACTIVE) $(switches $NONE)")
sleep "$SECONDS_RUN"
read -r a_t1 n_t1 a_s1 n_s1 < <(echo "$(ticks $ACTIVE) $(ticks $NONE) $(switches $ACTIVE) $(switches $NONE)")
report() {
    printf '%-28s %10.1f ms CPU per minute %8.1f wake-ups per second\n' "$1" \
        "$(echo "($3 - $2) / 1000000 * 60 / $SECONDS_RUN" | bc -l)" \
        "$(echo "($5 - $4) / $SECONDS_RUN" | bc -l)"
}
report "$LABEL" "$a_t0" "$a_t1" "$a_s0" "$a_s1"
report "plain clock" "$n_t0" "$n_t1" "$n_s0" "$n_s1"
printf 'over %d s side by side; ratio of CPU %.2f, of wake-ups %.2f\n' "$SECONDS_RUN" \
    "$(echo "($a_t1 - $a_t0) / ($n_t1 - $n_t0)" | bc -l)" \
    "$(echo "($a_s1 - $a_s0) / ($n_s1 - $n_s0)" | bc -l)"
