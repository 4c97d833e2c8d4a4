#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A pipe or a link to /dev/zero in place of the Settings file or the Timer
# state file (read at the start while the stopwatch runs) neither stops the
# start nor fills the memory: the clock shows its window at the default place
# and keeps running.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb
APP="$E2E_WORK/app"
e2e_make_install "$APP"

for case in "kOkTD.KiF pipe" "kOkTD.KiF zero" "kOkTD.timer pipe" "kOkTD.timer zero"; do
    read -r name kind <<<"$case"
    rm -f "$APP/kOkTD.KiF" "$APP/kOkTD.timer"
    [ "$name" = kOkTD.KiF ] || printf '[kOk:TD:Timer]\r\nActive=1\r\n' >"$APP/kOkTD.KiF"
    if [ "$kind" = pipe ]; then mkfifo "$APP/$name"; else ln -s /dev/zero "$APP/$name"; fi
    e2e_start_clock "$APP"
    WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "$name as a $kind: no clock window"
    e2e_wait_for 5 e2e_at_default_place "$WIN" ||
        e2e_fail "$name as a $kind: not at the default place: $(e2e_geometry "$WIN")"
    kill -0 "$CLOCK_PID" || e2e_fail "$name as a $kind: the clock ended"
    kill "$CLOCK_PID"
    wait "$CLOCK_PID" 2>/dev/null || true
    echo "$name as a $kind: the clock runs"
done
echo "PASS"
