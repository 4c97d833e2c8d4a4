#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The clock window: borderless and on top, at its default place with no
# settings (70 px left of the right edge, at the top), at the stored place
# otherwise, and its time indicator changes every second.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb
APP="$E2E_WORK/app"
e2e_make_install "$APP"

e2e_start_clock "$APP"
WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "no clock window"
e2e_wait_for 5 e2e_at_default_place "$WIN" ||
    e2e_fail "not at the default place: x y width height = $(e2e_geometry "$WIN")"

PROPS=$(xprop -id "$WIN")
grep -q '_MOTIF_WM_HINTS(_MOTIF_WM_HINTS) = 0x2, 0x[0-9a-f]*, 0x0' <<<"$PROPS" ||
    e2e_fail "the window asks for decorations: $(grep MOTIF <<<"$PROPS")"
grep -q '_NET_WM_STATE_ABOVE' <<<"$PROPS" || e2e_fail "the window is not kept on top"
grep -q 'WM_NAME(STRING) = "kOk DIAL TD"' <<<"$PROPS" || e2e_fail "wrong window name"

# The time indicator is redrawn every second: a picture of the window differs
# from one taken before within a little more than a second.
changed() {
    import -window "$WIN" "$E2E_WORK/b.png"
    local diff
    diff=$(compare -metric AE "$E2E_WORK/a.png" "$E2E_WORK/b.png" null: 2>&1 || true)
    [ "${diff%% *}" != "0" ]
}
import -window "$WIN" "$E2E_WORK/a.png"
e2e_wait_for 1.5 changed || e2e_fail "the clock did not change within a second"
e2e_shot "$SHOTS/clock_default.png"
kill "$CLOCK_PID"; wait "$CLOCK_PID" 2>/dev/null || true

# A stored place is used as it stands.
printf '[kOk:TD]\r\nPosX=100\r\nPosY=200\r\n' >"$APP/kOkTD.KiF"
e2e_start_clock "$APP"
WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "no clock window"
e2e_wait_for 5 e2e_at "$WIN" 100 200 || e2e_fail "stored place ignored: $(e2e_geometry "$WIN")"
e2e_shot "$SHOTS/clock_stored_place.png"
