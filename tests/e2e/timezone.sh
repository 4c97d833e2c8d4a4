#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The clock follows a change of the system time zone without a restart.
# Each clock runs in a private mount namespace where a file of ours is bound
# over /etc/localtime; rewriting that file in place is a change of the system
# zone as the C library sees it. The wall clock is frozen by libfaketime, so a
# picture of the window changes only when the displayed time does: after the
# change it must equal, within two ticks, the picture of a clock that ran in
# the new zone from the start.
source "$(dirname "$0")/lib.sh"
e2e_need_faketime
if [ "$(id -u)" -ne 0 ] || ! unshare -m --propagation private true 2>/dev/null; then
    echo "SKIP: needs root for a private mount namespace"
    exit 77
fi

e2e_start_xvfb
APP="$E2E_WORK/app"
e2e_make_install "$APP"
ZONES=/usr/share/zoneinfo
# 07:30:10 UTC is 16:30:10 in Tokyo: only the hour differs, and no chime is due.
FROZEN=$(date -u -d "2026-12-08 07:30:10" +%s)

# Starts the clock with ZONEFILE as /etc/localtime; PID in $CLOCK_PID.
# NO_FAKE_STAT: libfaketime would report the frozen time as the zone file's
# modification time, and the C library looks for that to change.
start_in_zone() {
    local zonefile=$1
    unshare -m --propagation private bash -c 'mount --bind "$1" /etc/localtime && shift && exec "$@"' \
        _ "$zonefile" env -u TZ LD_PRELOAD="$FAKETIME_LIB" FAKETIME_FMT=%s FAKETIME="$FROZEN" \
        FAKETIME_DONT_FAKE_MONOTONIC=1 NO_FAKE_STAT=1 "$APP/koktd" >>"$E2E_WORK/clock.log" 2>&1 &
    CLOCK_PID=$!
    E2E_PIDS+=($CLOCK_PID)
}

same_picture() {
    local diff
    diff=$(compare -metric AE "$1" "$2" null: 2>&1 || true)
    [ "${diff%% *}" = "0" ]
}

# True when the window's picture is the same as the last time this was called.
SHOT_N=0
steady_shot() {
    local win=$1 out=$2
    SHOT_N=$((SHOT_N + 1))
    import -window "$win" "$E2E_WORK/shot$SHOT_N.png" || return 1
    cp "$E2E_WORK/shot$SHOT_N.png" "$out.new"
    if [ -f "$out" ] && same_picture "$out" "$out.new"; then return 0; fi
    mv "$out.new" "$out"
    sleep 0.4
    return 1
}

shows() {
    import -window "$1" "$E2E_WORK/now.png" && same_picture "$E2E_WORK/now.png" "$2"
}

# What a clock shows that ran in the zone from the start.
reference() {
    local zone=$1 out=$2 win
    cp "$ZONES/$zone" "$E2E_WORK/ref.zone"
    start_in_zone "$E2E_WORK/ref.zone"
    win=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "$zone: the clock shows no window"
    e2e_wait_for 10 steady_shot "$win" "$out" || e2e_fail "$zone: the picture never settles"
    kill "$CLOCK_PID"; wait "$CLOCK_PID" 2>/dev/null || true
}
reference Etc/UTC "$E2E_WORK/utc.png"
reference Asia/Tokyo "$E2E_WORK/tokyo.png"
same_picture "$E2E_WORK/utc.png" "$E2E_WORK/tokyo.png" &&
    e2e_fail "the two zones look the same; the check would prove nothing"

cp "$ZONES/Etc/UTC" "$E2E_WORK/system.zone"
# The C library sees a change by the file's modification time, in whole
# seconds; an old one keeps the rewrite below from falling in the same second.
touch -d "1 hour ago" "$E2E_WORK/system.zone"
start_in_zone "$E2E_WORK/system.zone"
WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "the clock shows no window"
e2e_wait_for 10 shows "$WIN" "$E2E_WORK/utc.png" || e2e_fail "the clock does not show UTC time"
# Same file, new contents: what changing the system zone does to /etc/localtime.
cat "$ZONES/Asia/Tokyo" >"$E2E_WORK/system.zone"
e2e_wait_for 2.5 shows "$WIN" "$E2E_WORK/tokyo.png" || {
    cp "$E2E_WORK/now.png" "$SHOTS/timezone_after_change.png"
    e2e_fail "the clock still shows the old zone 2.5 s after the change"
}
echo "the clock follows a time-zone change"
