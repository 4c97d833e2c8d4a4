#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# An alarm at a faked time: with Accuracy 5 its checks fall on the wall
# clock's multiples of 5 s, so it shows within half a second of its minute's
# start, as a strip across the top of the screen; starts its program, plays its looped
# sound until Esc dismisses the bar, and the clock comes back with its skin
# at its place. Its message holds markup with a picture, which is shown as
# text: the picture, a FIFO that would block whoever opens it, is never opened.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/sound_lib.sh"
e2e_need_faketime
e2e_start_xvfb
e2e_start_pulse
APP="$E2E_WORK/app"
e2e_make_install "$APP"
STARTED="$E2E_WORK/started"
PICTURE="$E2E_WORK/picture.png"
mkfifo "$PICTURE"

# Slot 0: once, at 08:00, warned a minute before (so that the warning sounds
# in the check at 07:59:55 and not in the alarm's own), with a looped sound and a program.
printf '[kOk:TD]\r\nPosX=300\r\nPosY=200\r\n[kOk:TD:Alarms]\r\nAccuracy=5\r\n0_Use=1\r\n0_Hour=8\r\n0_Minute=0\r\n0_Warn=1\r\n0_atOnce=1\r\n0_Sound=1\r\n0_Loop=1\r\n0_Start=1\r\n0_App=touch "%s"\r\n0_Message=<b>WAKE UP</b><img src="%s">\r\n' \
    "$STARTED" "$PICTURE" >"$APP/kOkTD.KiF"

e2e_start_recording "$E2E_WORK/alarm.raw"
# The faked clock is a whole number of seconds off the real one, so that the
# faked 08:00:00 falls on a known real instant, 7 s from now.
EIGHT_S=$(($(date +%s) + 7))
OFFSET=$(($(date -d "2026-12-08 08:00:00" +%s) - EIGHT_S))
LD_PRELOAD=$FAKETIME_LIB FAKETIME=$(printf '%+d' "$OFFSET") FAKETIME_DONT_FAKE_MONOTONIC=1 \
    "$APP/koktd" >>"$E2E_WORK/clock.log" 2>&1 &
CLOCK_PID=$!
E2E_PIDS+=($CLOCK_PID)
WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "no clock window"
e2e_wait_for 5 e2e_at "$WIN" 300 200 || e2e_fail "not at its place: $(e2e_geometry "$WIN")"
read -r _ _ SKIN_W SKIN_H < <(e2e_geometry "$WIN")
e2e_shot "$SHOTS/alarm_before.png"

left_its_place() {
    [ "$(e2e_geometry "$WIN")" != "300 200 $SKIN_W $SKIN_H" ]
}
e2e_wait_for 12 left_its_place || e2e_fail "the alarm did not show"
FIRED_MS=$((($(date +%s%N) - EIGHT_S * 1000000000) / 1000000))
[ "$FIRED_MS" -ge 0 ] && [ "$FIRED_MS" -le 500 ] ||
    e2e_fail "the alarm showed ${FIRED_MS} ms after 08:00:00, within 500 ms expected"
echo "the alarm showed ${FIRED_MS} ms after 08:00:00"
e2e_wait_for 2 e2e_top_strip || e2e_fail "no top strip: $(e2e_geometry "$WIN")"
e2e_wait_for 5 test -e "$STARTED" || e2e_fail "the alarm's program did not run"
e2e_shot "$SHOTS/alarm_bar.png"

# Two seconds of the looped sound, then Esc.
e2e_wait_for 5 e2e_size_at_least "$E2E_WORK/alarm.raw" $(($(e2e_size "$E2E_WORK/alarm.raw") + 176400)) ||
    e2e_fail "the recording stalled"
DISMISS_MS=$(($(e2e_size "$E2E_WORK/alarm.raw") / 88))
xdotool windowactivate --sync "$WIN" 2>/dev/null || true
xdotool windowfocus --sync "$WIN" key Escape
back() {
    local x y w h
    read -r x y w h < <(e2e_geometry "$WIN")
    [ "$x" -eq 300 ] && [ "$y" -eq 200 ] && [ "$w" -eq "$SKIN_W" ] && [ "$h" -eq "$SKIN_H" ]
}
e2e_wait_for 5 back || e2e_fail "the clock did not come back after Esc: $(e2e_geometry "$WIN")"
e2e_shot "$SHOTS/alarm_after.png"
e2e_wait_for 5 e2e_size_at_least "$E2E_WORK/alarm.raw" $(($(e2e_size "$E2E_WORK/alarm.raw") + 88200)) ||
    e2e_fail "the recording stalled"
e2e_stop_recording

# The sound ran up to the dismissal and ended with it (the recording lags by
# up to a few tens of milliseconds).
e2e_tones "$E2E_WORK/alarm.raw" >"$E2E_WORK/alarm.tones"
awk -v d="$DISMISS_MS" '{ end = $1 + $2; if (end > last) last = end }
    END { if (last < d - 500) { print "the sound had ended " d - last " ms before Esc"; exit 1 }
          if (last > d + 400) { print "the sound went on " last - d " ms after Esc"; exit 1 } }' \
    "$E2E_WORK/alarm.tones" || { cat "$E2E_WORK/alarm.tones" >&2; e2e_fail "looped sound and Esc disagree"; }
grep -q '^0_Use=0' "$APP/kOkTD.KiF" || e2e_fail "the once-alarm was not switched off"
# A writer of the FIFO would find the clock reading it.
! timeout 1 bash -c 'exec 3>"$1"' _ "$PICTURE" || e2e_fail "the message's picture was opened"
echo "PASS"
