#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A countdown set on its settings page: 10 seconds typed into the total, OK,
# then started from the popup menu; the Message bar shows at its end. Then a
# countdown that ends while the dialog is open: after the bar and OK it does
# not fire again (its program runs once).
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb
APP="$E2E_WORK/app"
e2e_make_install "$APP"
KIF="$APP/kOkTD.KiF"
printf '[kOk:TD]\r\nPosX=300\r\nPosY=200\r\n' >"$KIF"


STARTED=$(e2e_now_us)
e2e_start_clock "$APP"
WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "no clock window"
e2e_wait_for 5 e2e_at "$WIN" 300 200 || e2e_fail "not at its place: $(e2e_geometry "$WIN")"

# A double click on the clock opens the dialog; the section button leads to
# the countdown page.
e2e_open_dialog
e2e_dialog_click settings_dialog.ui s_countdown
e2e_wait_for 3 sh -c "xdotool getwindowname $DLG | grep -q 'таймер обратного отсчёта'" ||
    e2e_fail "the countdown page did not open: $(xdotool getwindowname "$DLG")"

e2e_dialog_click countdown_page.ui e_secs
xdotool key --window "$DLG" ctrl+a
xdotool type --window "$DLG" --delay 50 10
sleep 0.3
e2e_shot "$SHOTS/countdown_page_10s.png"

# OK opens six seconds after the start.
e2e_wait_for 10 e2e_lock_open
e2e_press_ok
timer_key() { e2e_ini_value "$KIF" kOk:TD:Timer "$1"; }
[ "$(timer_key CountDown)" = 10 ] || e2e_fail "OK did not store 10 s: $(timer_key CountDown)"

# "Таймеры" is the sixth item from the bottom; its third entry (after a
# separator) starts the countdown.
e2e_open_menu 330 210
xdotool key Up Up Up Up Up Up Right Down Down Return
countdown_on() { [ "$(timer_key Use)" = 1 ]; }
e2e_wait_for 3 countdown_on || e2e_fail "the countdown did not start"
BEGAN=$(e2e_now_us)

e2e_wait_for 15 e2e_top_strip || e2e_fail "no Message bar at the countdown's end: $(e2e_geometry "$WIN")"
ELAPSED=$((($(e2e_now_us) - BEGAN) / 1000000))
[ "$ELAPSED" -ge 8 ] || e2e_fail "the bar came after $ELAPSED s, not at the end of 10 s"
e2e_shot "$SHOTS/countdown_page_end.png"
[ "$(timer_key Use)" = 0 ] || e2e_fail "the ended countdown is still on"
xdotool windowfocus --sync "$WIN" key Escape
e2e_wait_for 5 e2e_at "$WIN" 300 200 || e2e_fail "the clock did not come back after the bar"

# The countdown's program writes a line for each run.
MARK="$E2E_WORK/mark"
printf '#!/bin/sh\necho fired >>"%s/marks"\n' "$E2E_WORK" >"$MARK"
chmod +x "$MARK"
runs() { cat "$E2E_WORK/marks" 2>/dev/null | wc -l; }
sed -i -e 's/^Start=0\r$/Start=1\r/' -e "s|^App=.*\r\$|App=$MARK\r|" "$KIF"
[ "$(timer_key App)" = "$MARK" ] || e2e_fail "the countdown's program was not set"
e2e_open_menu 330 210
xdotool key Up Up Up Up Up Up Right Down Down Return
e2e_wait_for 3 countdown_on || e2e_fail "the second countdown did not start"
e2e_open_dialog
e2e_dialog_click settings_dialog.ui s_countdown
sleep 0.3
e2e_shot "$SHOTS/countdown_page_running.png"
e2e_wait_for 15 e2e_top_strip || e2e_fail "no Message bar at the end of the countdown under the dialog"
e2e_wait_for 3 test "$(runs)" -ge 1 || e2e_fail "the countdown's program did not run"
xdotool windowfocus --sync "$WIN" key Escape
e2e_wait_for 5 e2e_at "$WIN" 300 200 || e2e_fail "the clock did not come back after the second bar"
e2e_press_ok
# A countdown that fired again would do so at the next second's tick.
sleep 3
e2e_top_strip && e2e_fail "OK fired the ended countdown again"
[ "$(runs)" = 1 ] || e2e_fail "the countdown's program ran $(runs) times"
[ "$(timer_key Use)" = 0 ] || e2e_fail "OK switched the ended countdown back on"
[ ! -e "$APP/kOkTD.timer" ] || e2e_fail "a timer state file after OK"
echo "PASS"
