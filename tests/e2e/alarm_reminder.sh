#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# An alarm with a pre-warning and a reminder, at a faked time: the warning
# beeps sound in the warning minute before the alarm, the Message bar shows
# at the alarm minute, Esc dismisses it, and one minute after the firing (the
# shortest reminder there is, counted in real time) the bar and the alarm's
# program come once more. A second clock beside it fires the same alarm, and
# "Отменить ближайшее напоминание" from its menu keeps its reminder away.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/sound_lib.sh"
e2e_need_faketime
e2e_start_xvfb
e2e_start_pulse
A="$E2E_WORK/a"
B="$E2E_WORK/b"
e2e_make_install "$A"
e2e_make_install "$B"

# The alarms' program notes each firing with the (faked) time it ran at.
MARK="$E2E_WORK/mark"
printf '#!/bin/sh\necho "$(date +%%s.%%N)" >>"%s/$1.marks"\n' "$E2E_WORK" >"$MARK"
chmod +x "$MARK"
marks() { cat "$E2E_WORK/$1.marks" 2>/dev/null | wc -l; }
marked() { [ "$(marks "$1")" -ge "$2" ]; }

# Slot 0 at 08:00, warned a minute before, reminded a minute after. Clock B
# is warned an hour before, so that only A sounds while the test listens.
settings() { # PosY Warn clock
    printf '[kOk:TD]\r\nPosX=300\r\nPosY=%d\r\n[kOk:TD:Alarms]\r\nAccuracy=1\r\n0_Use=1\r\n0_Hour=8\r\n0_Minute=0\r\n0_Warn=%d\r\n0_Remind=1\r\n0_atOnce=1\r\n0_Start=1\r\n0_App=%s %s\r\n0_Message=WAKE UP %s\r\n' \
        "$1" "$2" "$MARK" "$3" "$3"
}
settings 200 1 A >"$A/kOkTD.KiF"
settings 400 60 B >"$B/kOkTD.KiF"

e2e_start_recording "$E2E_WORK/warn.raw"
REC_START_US=$(e2e_now_us)
# The faked clock is a whole number of seconds off the real one: the faked
# 08:00:00 falls on a known real instant, 8 s from now.
EIGHT_S=$(($(date +%s) + 8))
FAKE_EIGHT=$(date -d "2026-12-08 08:00:00" +%s)
export FAKETIME_DONT_FAKE_MONOTONIC=1
start_faked() { # program folder, lock folder
    mkdir -p "$2"
    KOKTD_LOCK_DIR=$2 LD_PRELOAD=$FAKETIME_LIB FAKETIME=$(printf '%+d' $((FAKE_EIGHT - EIGHT_S))) \
        "$1/koktd" >>"$E2E_WORK/clock.log" 2>&1 &
    E2E_PIDS+=($!)
}
start_faked "$A" "$E2E_WORK/lock_a"
PID_A=$!
start_faked "$B" "$E2E_WORK/lock_b"
PID_B=$!
WIN_A=$(e2e_wait_window "$PID_A") || e2e_fail "no window of clock A"
WIN_B=$(e2e_wait_window "$PID_B") || e2e_fail "no window of clock B"
e2e_wait_for 5 e2e_at "$WIN_A" 300 200 || e2e_fail "A is not at its place: $(e2e_geometry "$WIN_A")"
e2e_wait_for 5 e2e_at "$WIN_B" 300 400 || e2e_fail "B is not at its place: $(e2e_geometry "$WIN_B")"
[ "$(date +%s)" -lt "$EIGHT_S" ] || e2e_fail "the clocks took until 08:00 to start"

# 1. The warning, then the bar at 08:00.
WIN=$WIN_A
e2e_wait_for 15 e2e_top_strip || e2e_fail "A's alarm did not show: $(e2e_geometry "$WIN_A")"
e2e_shot "$SHOTS/alarm_reminder_bar.png"
e2e_wait_for 5 marked A 1 || e2e_fail "A's program did not run"
e2e_wait_for 5 marked B 1 || e2e_fail "B's program did not run"
e2e_stop_recording
e2e_tones "$E2E_WORK/warn.raw" >"$E2E_WORK/warn.tones"
ALARM_MS=$(((EIGHT_S * 1000000 - REC_START_US) / 1000))
# Seven 50 ms beeps at 2000 Hz, 100 ms apart, all of them before 08:00.
awk -v alarm="$ALARM_MS" '
    $3 > 1900 && $3 < 2100 && $2 > 30 && $2 < 70 { n++; if (n == 1) first = $1; last = $1 }
    $1 >= alarm - 20 { late++ }
    END { if (n != 7 || late || last - first < 550 || last - first > 650) exit 1 }' "$E2E_WORK/warn.tones" ||
    { cat "$E2E_WORK/warn.tones" >&2; e2e_fail "no seven warning beeps before 08:00 (at ${ALARM_MS} ms)"; }

dismiss() { # window, its place
    xdotool windowactivate --sync "$1" 2>/dev/null || true
    xdotool windowfocus --sync "$1" key Escape
    e2e_wait_for 5 e2e_at "$1" 300 "$2" || e2e_fail "Esc did not bring the clock back: $(e2e_geometry "$1")"
}
dismiss "$WIN_A" 200
WIN=$WIN_B
e2e_wait_for 5 e2e_top_strip || e2e_fail "B's alarm did not show: $(e2e_geometry "$WIN_B")"
dismiss "$WIN_B" 400

# 2. B's menu shows the cancel item while the reminder is pending; from the
#    bottom: Выход, Информация, Перезапуск, the two hides, Таймеры,
#    Будильники, then the cancel item.
CLOCK_PID=$PID_B
menu_height() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$PID_B"); do
        [ "$w" = "$WIN_B" ] || { e2e_geometry "$w" | cut -d' ' -f4; return; }
    done
}
e2e_open_menu 310 420
PENDING_H=$(menu_height)
e2e_shot "$SHOTS/alarm_reminder_menu.png"
xdotool key Up Up Up Up Up Up Up Up Return
e2e_wait_for 5 e2e_clock_alone || e2e_fail "the menu did not close"
e2e_open_menu 310 420
CANCELLED_H=$(menu_height)
xdotool key Escape
e2e_wait_for 5 e2e_clock_alone || e2e_fail "Esc did not close the menu"
[ "$CANCELLED_H" -lt "$PENDING_H" ] ||
    e2e_fail "the cancel item did not go (menu $PENDING_H px high, then $CANCELLED_H px)"

# 3. A's reminder, one minute after its firing; B gets none.
WIN=$WIN_A
e2e_wait_for 75 e2e_top_strip || e2e_fail "A's reminder did not show: $(e2e_geometry "$WIN_A")"
e2e_wait_for 5 marked A 2 || e2e_fail "A's reminder did not run the program"
e2e_shot "$SHOTS/alarm_reminder_again.png"
awk 'NR == 1 { a = $1 } NR == 2 { d = $1 - a; printf "the reminder came %.1f s after the firing\n", d; exit !(d >= 59 && d <= 62) }' \
    "$E2E_WORK/A.marks" || e2e_fail "the reminder did not come one minute after the firing"
dismiss "$WIN_A" 200
reminded_b() { marked B 2 || ! e2e_at "$WIN_B" 300 400; }
# B fired within a second of A, so its reminder would be there by now.
! e2e_wait_for 3 reminded_b || e2e_fail "the cancelled reminder came"
grep -q '^Magnet' "$B/kOkTD.KiF" && e2e_fail "the menu's keys hit the magnet item"
[ "$(marks A)" -eq 2 ] || e2e_fail "A fired $(marks A) times, not twice"
echo "PASS"
