#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# An alarm set on the alarm page as a user does it: the clock's popup menu
# opens the page from its alarm submenu, slot 0 gets the next minute typed
# into its hour and minute fields, OK stores it, and the alarm fires at that
# minute as the Message bar across the top of the screen.
source "$(dirname "$0")/lib.sh"
e2e_need_faketime
e2e_start_xvfb
APP="$E2E_WORK/app"
e2e_make_install "$APP"

# Checked every second; no pre-warning, which would sound in the minute before.
printf '[kOk:TD]\r\nPosX=300\r\nPosY=200\r\n[kOk:TD:Alarms]\r\nAccuracy=1\r\n0_Warn=0\r\n0_Message=WAKE UP\r\n' \
    >"$APP/kOkTD.KiF"

STARTED=$(e2e_now_us)
# The faked wall clock runs on from 07:59:45, so 08:00 comes 15 s after the start.
LD_PRELOAD=$FAKETIME_LIB FAKETIME="@2026-12-08 07:59:45" FAKETIME_DONT_FAKE_MONOTONIC=1 \
    "$APP/koktd" >>"$E2E_WORK/clock.log" 2>&1 &
CLOCK_PID=$!
E2E_PIDS+=($CLOCK_PID)
WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "no clock window"
e2e_wait_for 5 e2e_at "$WIN" 300 200 || e2e_fail "not at its place: $(e2e_geometry "$WIN")"

e2e_open_alarm_page "$SHOTS/alarm_page_menu.png"
TITLE=$(xdotool getwindowname "$DLG")
[ "$TITLE" = "kOk DIAL TD ::: настройки ::: будильники" ] ||
    e2e_fail "the dialog opened with the caption '$TITLE'"

type_into() {
    e2e_dialog_click alarm_page.ui "$1"
    xdotool key ctrl+a
    xdotool type "$2"
}
type_into e_hrs_alarm 8
type_into e_min_alarm 0
e2e_shot "$SHOTS/alarm_page_set.png"

# OK opens six seconds after the start.
e2e_wait_for 10 e2e_lock_open
e2e_press_ok
SETTINGS=$(tr -d '\r' <"$APP/kOkTD.KiF")
for line in 0_Use=1 0_Hour=8 0_Minute=0; do
    grep -qx "$line" <<<"$SETTINGS" || e2e_fail "OK did not store $line"
done
[ $(($(e2e_now_us) - STARTED)) -lt 14000000 ] ||
    e2e_fail "setting the alarm took until after its minute; the check proves nothing"

# The Message bar: the clock window becomes a strip across the top.
e2e_wait_for 20 e2e_top_strip || e2e_fail "no Message bar: $(e2e_geometry "$WIN")"
FIRED_MS=$((($(e2e_now_us) - STARTED) / 1000))
[ "$FIRED_MS" -ge 14900 ] || e2e_fail "the alarm fired ${FIRED_MS} ms after the start, before its minute"
echo "the alarm fired ${FIRED_MS} ms after the start (08:00:00 came at 15000 ms)"
e2e_shot "$SHOTS/alarm_page_bar.png"
echo "PASS"
