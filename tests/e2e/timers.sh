#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The countdown started from the popup menu counts down on the timer
# indicator and shows the Message bar at its end, which a screen reader hears
# as an alert; the stopwatch started with
# the timer button goes on counting from its start across a restart from the
# menu, as its indicator reads; two sound-card pre-warnings two seconds apart
# are both heard.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/sound_lib.sh"
e2e_start_xvfb
e2e_start_a11y_bus
e2e_start_pulse
APP="$E2E_WORK/app"
e2e_make_install "$APP"
KIF="$APP/kOkTD.KiF"
STATE="$APP/kOkTD.timer"
printf '[kOk:TD]\r\nPosX=300\r\nPosY=200\r\n[kOk:TD:Timer]\r\nCountDown=4\r\nasTime=1\r\n' >"$KIF"

e2e_start_clock "$APP"
WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "no clock window"
e2e_wait_for 5 e2e_at "$WIN" 300 200 || e2e_fail "not at its place: $(e2e_geometry "$WIN")"
open_menu() { e2e_open_menu 330 210; }
# The timer indicator of the built-in skin: 43,12 and 43 x 11.
indicator() { import -window "$WIN" -crop 43x11+43+12 +repage "$1"; }
differs() {
    indicator "$E2E_WORK/now.png"
    [ "$(compare -metric AE "$1" "$E2E_WORK/now.png" null: 2>&1 | cut -d' ' -f1)" != "0" ]
}
# The indicator's "hh:mm:ss" in seconds, read from its picture enlarged.
reading() {
    indicator "$E2E_WORK/read.png"
    convert "$E2E_WORK/read.png" -colorspace gray -negate -scale 800% -bordercolor white -border 20 \
        "$E2E_WORK/read.png"
    tesseract "$E2E_WORK/read.png" - --psm 7 -c tessedit_char_whitelist=0123456789: 2>/dev/null |
        awk -F: '{ gsub(/[ \t\f]/, "") } /^[0-9][0-9]:[0-9][0-9]:[0-9][0-9]$/ {
            print $1 * 3600 + $2 * 60 + $3; found = 1; exit } END { exit !found }'
}
reads_at_least() { [ "$(reading)" -ge "$1" ] 2>/dev/null; }

# 1. Countdown: "Таймеры" is the sixth item from the bottom; its third entry
#    (after a separator) starts the countdown.
SHOWN="$E2E_WORK/shown"
/usr/bin/python3 "$E2E_TEXTS" --shown "$CLOCK_PID" >"$SHOWN" 2>"$SHOWN.log" &
E2E_PIDS+=($!)
e2e_wait_for 10 grep -q listening "$SHOWN.log" || e2e_fail "no AT-SPI listener"
open_menu
xdotool key Up Up Up Up Up Up Right Down Down Return
e2e_wait_for 3 grep -q '^Use=1' "$KIF" || e2e_fail "the countdown did not start"
e2e_wait_for 3 test -e "$STATE" || e2e_fail "no timer state file"
indicator "$E2E_WORK/cdn1.png"
e2e_shot "$SHOTS/timers_countdown.png"
e2e_wait_for 3 differs "$E2E_WORK/cdn1.png" || e2e_fail "the countdown does not count"
e2e_wait_for 8 e2e_top_strip || e2e_fail "no Message bar at the countdown's end: $(e2e_geometry "$WIN")"
e2e_wait_for 3 grep -q $'^alert\t' "$SHOWN" || e2e_fail "the Message bar was not heard: $(cat "$SHOWN")"
e2e_shot "$SHOTS/timers_countdown_end.png"
e2e_wait_for 3 grep -q '^Use=0' "$KIF" || e2e_fail "the ended countdown is still on"
xdotool windowfocus --sync "$WIN" key Escape
e2e_wait_for 5 e2e_at "$WIN" 300 200 || e2e_fail "the clock did not come back"
e2e_wait_for 3 sh -c "! test -e '$STATE'" || e2e_fail "the timer state file outlived the countdown"

# 2. Stopwatch: the timer button (80,2, 11 x 11) starts it.
CLICKED=$(e2e_now_us)
xdotool mousemove $((300 + 85)) $((200 + 7)) click 1
e2e_wait_for 3 grep -q '^Active=1' "$KIF" || e2e_fail "the timer button did not start the stopwatch"
e2e_wait_for 3 grep -q '^StartSecond=' "$STATE" || e2e_fail "no stopwatch start stored"
# It started between the click and now.
STARTED=$(e2e_now_us)
START=$(grep '^Start' "$STATE")
indicator "$E2E_WORK/tmr1.png"
e2e_wait_for 3 differs "$E2E_WORK/tmr1.png" || e2e_fail "the stopwatch does not count"
# Long enough that a stopwatch counting anew after the restart would show less.
e2e_wait_for 8 reads_at_least 4 || e2e_fail "the stopwatch does not reach 4 s: it reads '$(reading)'"
e2e_shot "$SHOTS/timers_stopwatch_before_restart.png"

# "Перезапуск" is the third item from the bottom.
OLD=$CLOCK_PID
open_menu
xdotool key Up Up Up Return
e2e_wait_for 5 e2e_ended "$OLD" || e2e_fail "the clock did not restart"
NEW=$(pgrep -f "^$APP/koktd" | head -n 1) || e2e_fail "no clock after the restart"
CLOCK_PID=$NEW
E2E_PIDS+=($NEW)
WIN=$(e2e_wait_window "$NEW") || e2e_fail "the restarted clock shows no window"
[ "$(grep '^Start' "$STATE")" = "$START" ] || e2e_fail "the restart changed the stopwatch's start"
grep -q '^Active=1' "$KIF" || e2e_fail "the stopwatch is off after the restart"
indicator "$E2E_WORK/tmr2.png"
e2e_wait_for 3 differs "$E2E_WORK/tmr2.png" || e2e_fail "the stopwatch does not count after the restart"
e2e_shot "$SHOTS/timers_stopwatch_after_restart.png"
# It shows the time since its start: at least the whole seconds since the
# start was seen, less one for the last tick, and at most those since the
# click, plus one.
BEFORE=$(e2e_now_us)
SHOWN=$(reading) || e2e_fail "the stopwatch's indicator cannot be read after the restart"
AFTER=$(e2e_now_us)
LEAST=$(((BEFORE - STARTED) / 1000000 - 1)) MOST=$(((AFTER - CLICKED) / 1000000 + 1))
echo "after the restart the stopwatch reads ${SHOWN} s (expected ${LEAST}..${MOST})"
[ "$SHOWN" -ge "$LEAST" ] && [ "$SHOWN" -le "$MOST" ] ||
    e2e_fail "after the restart the stopwatch reads ${SHOWN} s, not ${LEAST}..${MOST} s since its start"

# 3. A countdown of 6 s with sound-card warnings at 4 and 2 s before its end,
#    while the stopwatch runs: two bursts of the warning clip, 2 s apart.
sed -i -e 's/^CountDown=.*\r$/CountDown=6\r/' "$KIF"
# Into the existing sections: of a section written twice only the first counts.
sed -i -e 's/^\[kOk:TD\]\r$/[kOk:TD]\r\nWarnBeep=0\r/' \
    -e 's/^\[kOk:TD:Timer\]\r$/[kOk:TD:Timer]\r\nWarn_1=4\r\nWarn_2=2\r/' "$KIF"
e2e_start_recording "$E2E_WORK/warnings.raw"
open_menu
xdotool key Up Up Up Up Up Up Right Down Down Return
e2e_wait_for 5 grep -q '^Use=1' "$KIF" || e2e_fail "the second countdown did not start"
e2e_wait_for 12 e2e_top_strip || e2e_fail "no Message bar at the second countdown's end"
e2e_stop_recording
# Bursts: sounds less than 300 ms apart belong together.
e2e_tones "$E2E_WORK/warnings.raw" | awk '
    { if (n == 0 || $1 - last > 300) { start[++n] = $1 } last = $1 + $2 }
    END { for (i = 1; i <= n; i++) print start[i] }' >"$E2E_WORK/bursts"
echo "warning bursts start at (ms): $(tr '\n' ' ' <"$E2E_WORK/bursts")"
[ "$(wc -l <"$E2E_WORK/bursts")" -eq 2 ] || e2e_fail "expected two warning bursts"
awk 'NR == 1 { a = $1 } NR == 2 { d = $1 - a; exit !(d >= 1800 && d <= 2200) }' "$E2E_WORK/bursts" ||
    e2e_fail "the warnings are not 2 s apart"
echo "PASS"
