#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A dated alarm that the clock's time jumps past (a suspend, a time change)
# by more than the late limit: the clock runs at 06:50 on the alarm's date,
# its time jumps to 08:30, and the Message bar shows, once, that the 07:00
# alarm was missed, with its message as plain text and none of its actions.
# The jump is libfaketime's offset, read again from a file every second.
source "$(dirname "$0")/lib.sh"
e2e_need_faketime
e2e_start_xvfb
e2e_start_a11y_bus
APP="$E2E_WORK/app"
e2e_make_install "$APP"
KIF="$APP/kOkTD.KiF"
STARTED="$E2E_WORK/started"
printf '[kOk:TD]\r\nPosX=300\r\nPosY=200\r\n[kOk:TD:Alarms]\r\nAccuracy=1\r\n0_Use=1\r\n0_atDate=1\r\n0_Date=08.12\r\n0_Hour=7\r\n0_Minute=0\r\n0_Sound=0\r\n0_Beep=0\r\n0_Start=1\r\n0_App=touch "%s"\r\n0_Message=<b>Dentist</b>\r\n' \
    "$STARTED" >"$KIF"

# The faked clock's offset from the real one, in whole seconds.
OFFSET_FILE="$E2E_WORK/faketime"
offset_to() { printf '%+d\n' $(($(date -d "2026-12-08 $1" +%s) - $(date +%s))) >"$OFFSET_FILE"; }
offset_to 06:50:00
LD_PRELOAD=$FAKETIME_LIB FAKETIME_TIMESTAMP_FILE=$OFFSET_FILE FAKETIME_CACHE_DURATION=1 \
    FAKETIME_DONT_FAKE_MONOTONIC=1 "$APP/koktd" >>"$E2E_WORK/clock.log" 2>&1 &
CLOCK_PID=$!
E2E_PIDS+=($CLOCK_PID)
WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "no clock window"
e2e_wait_for 5 e2e_at "$WIN" 300 200 || e2e_fail "not at its place: $(e2e_geometry "$WIN")"

SHOWN="$E2E_WORK/shown"
/usr/bin/python3 "$E2E_TEXTS" --shown "$CLOCK_PID" >"$SHOWN" 2>"$SHOWN.log" &
E2E_PIDS+=($!)
e2e_wait_for 10 grep -q listening "$SHOWN.log" || e2e_fail "no AT-SPI listener"
# Nothing is due yet: the alarm is ten minutes away.
e2e_shot "$SHOTS/missed_alarm_before.png"
[ ! -s "$SHOWN" ] || e2e_fail "something showed before the jump: $(cat "$SHOWN")"

offset_to 08:30:00
e2e_wait_for 20 e2e_top_strip || e2e_fail "no Message bar after the jump: $(e2e_geometry "$WIN")"
EXPECTED=$'alert\tПропущено: 07:00 — <b>Dentist</b>'
e2e_wait_for 5 grep -qxF "$EXPECTED" "$SHOWN" || e2e_fail "the bar said: $(cat "$SHOWN")"
e2e_shot "$SHOTS/missed_alarm_bar.png"
xdotool windowactivate --sync "$WIN" 2>/dev/null || true
xdotool windowfocus --sync "$WIN" key Escape
e2e_wait_for 5 e2e_at "$WIN" 300 200 || e2e_fail "the clock did not come back after Esc"

# Shown once; the dated alarm stays on for its next date, its program never ran.
SEEN=$(grep -c $'^alert\t' "$SHOWN")
e2e_wait_for 3 false || true # three more checks of the clock, one a second
[ "$(grep -c $'^alert\t' "$SHOWN")" = "$SEEN" ] || e2e_fail "the missed alarm showed again"
e2e_at "$WIN" 300 200 || e2e_fail "a bar showed again: $(e2e_geometry "$WIN")"
[ "$(e2e_ini_value "$KIF" kOk:TD:Alarms 0_Use)" = 1 ] || e2e_fail "the dated alarm was switched off"
[ ! -e "$STARTED" ] || e2e_fail "the missed alarm ran its program"
echo "PASS"
