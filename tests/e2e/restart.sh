#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Ending and restarting: the close button ends the clock without writing
# anything; a skin that fails to load while the settings file is read-only
# ends the clock with a message and starts no successor.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb
APP="$E2E_WORK/app"
e2e_make_install "$APP"

clocks() { pgrep -f "^$APP/koktd" | wc -l; }

# 1. The close button ends the clock and saves nothing: no settings file appears.
e2e_start_clock "$APP"
WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "no clock window"
e2e_wait_for 5 e2e_at_default_place "$WIN" || e2e_fail "the clock is not at its place"
read -r X Y _ _ < <(e2e_geometry "$WIN")
# The built-in skin's close button sits at 112,2 and is 11 x 11.
xdotool mousemove $((X + 117)) $((Y + 7)) click 1
e2e_wait_for 5 e2e_ended "$CLOCK_PID" || e2e_fail "the close button did not end the clock"
CODE=0
wait "$CLOCK_PID" || CODE=$?
[ "$CODE" -eq 0 ] || e2e_fail "the clock ended with $CODE"
[ ! -e "$APP/kOkTD.KiF" ] || e2e_fail "closing wrote the settings: $(cat "$APP/kOkTD.KiF")"
echo "the close button ends the clock and writes nothing"

# 2. A broken external skin with a read-only settings file: the reset cannot be
#    written, so the clock says so and ends without a successor.
printf '[kOk:TD:Skins]\r\nXP_SkinExt=1\r\nXP_SkinPath=%s/no-such-skin/\r\n' "$E2E_WORK" >"$APP/kOkTD.KiF"
chmod 444 "$APP/kOkTD.KiF"
BEFORE=$(md5sum <"$APP/kOkTD.KiF")
e2e_start_clock "$APP"
BOX=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "no message for the failed skin"
is_message() { local w; read -r _ _ w _ < <(e2e_geometry "$BOX"); [ "$w" -gt 200 ]; }
e2e_wait_for 5 is_message || e2e_fail "expected a message box, found $(e2e_geometry "$BOX")"
e2e_shot "$SHOTS/restart_read_only_message.png"
xdotool windowfocus --sync "$BOX" key Return
e2e_wait_for 5 e2e_ended "$CLOCK_PID" || e2e_fail "the clock did not end after the message"
# A successor would have been started (QProcess::startDetached returns once it
# runs) before the clock ended, so none can turn up later.
[ "$(clocks)" -eq 0 ] || e2e_fail "a new clock was started although the reset was not saved"
[ "$(md5sum <"$APP/kOkTD.KiF")" = "$BEFORE" ] || e2e_fail "the read-only settings file changed"
echo "a failed reset ends the clock without a successor"

