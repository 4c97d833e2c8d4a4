#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A countdown started from the command line is handed to the clock that runs
# (no session bus: the clock runs and rings as it always could): the second
# start ends at once, with no box and no second window, and the countdown's
# end turns the clock into the Message bar. A bad command is refused with
# exit 2 and leaves the clock alone; --help and --version need no display.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb
APP="$E2E_WORK/app"
e2e_make_install "$APP"
KIF="$APP/kOkTD.KiF"
printf '[kOk:TD]\r\nPosX=300\r\nPosY=200\r\n[kOk:TD:Timer]\r\nMessage=Чай готов\r\nSound=0\r\nBeep=0\r\n' | iconv -f UTF-8 -t CP1251 >"$KIF" # the Settings file is in Windows-1251

(unset DISPLAY; "$APP/koktd" --help) | grep -q -- '--countdown' || e2e_fail "--help shows no usage"
[ "$(unset DISPLAY; "$APP/koktd" --version)" = "koktd 10.0" ] || e2e_fail "--version"

e2e_start_clock "$APP"
WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "no clock window"
e2e_wait_for 5 e2e_at "$WIN" 300 200 || e2e_fail "not at its place: $(e2e_geometry "$WIN")"
read -r _ _ SKIN_W SKIN_H < <(e2e_geometry "$WIN")
BEFORE=$(cat "$KIF")

set +e
"$APP/koktd" --countdown 1:00:99 >"$E2E_WORK/bad.out" 2>"$E2E_WORK/bad.err"
RC=$?
set -e
[ "$RC" -eq 2 ] || e2e_fail "a bad duration exited $RC, 2 expected"
grep -q '1:00:99' "$E2E_WORK/bad.err" || e2e_fail "the refusal does not name the value: $(cat "$E2E_WORK/bad.err")"
[ "$(cat "$KIF")" = "$BEFORE" ] || e2e_fail "a refused command changed the Settings file"

"$APP/koktd" --countdown 00:10 >"$E2E_WORK/cmd.out" 2>&1 &
CMD=$!
e2e_wait_for 10 e2e_ended "$CMD" || e2e_fail "the handed-over command did not end"
wait "$CMD" || e2e_fail "the handed-over command failed: $(cat "$E2E_WORK/cmd.out")"
[ "$(e2e_ini_value "$KIF" kOk:TD:Timer CountDown)" = 10 ] || e2e_fail "the length was not set"
[ "$(e2e_ini_value "$KIF" kOk:TD:Timer Use)" = 1 ] || e2e_fail "the countdown is not on"

became_bar() { [ "$(e2e_geometry "$WIN")" != "300 200 $SKIN_W $SKIN_H" ]; }
e2e_wait_for 30 became_bar || e2e_fail "the countdown's end showed no bar"
e2e_shot "$SHOTS/command_countdown_bar.png"
kill -0 "$CLOCK_PID" || e2e_fail "the clock ended"
echo "the countdown handed over from the command line ended with the bar"
