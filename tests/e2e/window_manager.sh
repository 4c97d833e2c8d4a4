#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Under a window manager that places windows itself (openbox, which centres
# a window that names no position), the clock starts at its stored place:
# the top-left corner, where snapping puts it, as well as any other.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb
APP="$E2E_WORK/app"
e2e_make_install "$APP"

e2e_start_openbox

for place in "0 0" "300 200"; do
    read -r X Y <<<"$place"
    printf '[kOk:TD]\r\nPosX=%d\r\nPosY=%d\r\n' "$X" "$Y" >"$APP/kOkTD.KiF"
    e2e_start_clock "$APP"
    WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "no clock window"
    # Settled: the manager places a window when it maps it.
    sleep 0.5
    e2e_at "$WIN" "$X" "$Y" || e2e_fail "stored at $X,$Y, started at $(e2e_geometry "$WIN")"
    e2e_shot "$SHOTS/window_manager_${X}_${Y}.png"
    e2e_stop_clock
done
echo "PASS"
