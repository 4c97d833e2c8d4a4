#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Commands handed to the running clock from the command line: --settings opens
# the dialog on the section named (the options without one); --alarm N on|off
# switches a slot in the Settings file, --status names it as the next alarm,
# and the dialog's OK keeps the switch made while it showed; --show brings back
# a clock hidden for ten minutes. A bad value exits 2 and leaves the clock and
# its Settings file as they were. The clock is hidden over D-Bus, so a private
# session bus runs.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb
e2e_start_session_bus
APP="$E2E_WORK/app"
e2e_make_install "$APP"
KIF="$APP/kOkTD.KiF"
{
    printf '[kOk:TD]\r\nPosX=300\r\nPosY=200\r\nNotify=0\r\n[kOk:TD:Alarms]\r\n'
    printf '3_Use=0\r\n3_Hour=9\r\n3_Minute=30\r\n3_atOnce=0\r\n3_atDate=0\r\n3_atWeek=1\r\n'
    for day in 0 1 2 3 4 5 6; do printf '3_atWeekDay_%d=1\r\n' "$day"; done
} >"$KIF"

STARTED=$(e2e_now_us)
e2e_start_clock "$APP"
WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "no clock window"
e2e_wait_for 5 e2e_at "$WIN" 300 200 || e2e_fail "not at its place: $(e2e_geometry "$WIN")"

# A handed-over command ends at once with 0, printing nothing.
hand_over() {
    "$APP/koktd" "$@" >"$E2E_WORK/out.txt" 2>&1 || e2e_fail "koktd $* failed: $(cat "$E2E_WORK/out.txt")"
    [ ! -s "$E2E_WORK/out.txt" ] || e2e_fail "koktd $* printed: $(cat "$E2E_WORK/out.txt")"
}
caption_ends() { e2e_dialog_shown && xdotool getwindowname "$(e2e_dialog_window)" | grep -q -- "$1\$"; }
next_alarm() { "$APP/koktd" --status | sed -n 's/^next-alarm: //p'; }

for pair in "alarm:будильники" "countdown:таймер обратного отсчёта" ":параметры программы" \
    "stopwatch:таймер прямого отсчёта" "skins:интерфейсные темы" "alarm:будильники"; do
    section=${pair%%:*} caption=${pair#*:}
    if [ -n "$section" ]; then hand_over --settings "$section"; else hand_over --settings; fi
    e2e_wait_for 10 caption_ends "$caption" ||
        e2e_fail "--settings $section: $(xdotool getwindowname "$(e2e_dialog_window)" 2>&1)"
done
DLG=$(e2e_dialog_window)
e2e_shot "$SHOTS/command_line_settings.png"

# Switched on while the dialog shows: the file and the status say so, and
# the dialog's OK keeps it.
hand_over --alarm 3 on
[ "$(e2e_ini_value "$KIF" kOk:TD:Alarms 3_Use)" = 1 ] || e2e_fail "alarm 3 is not on in the file"
next_alarm | grep -Eq '^3 ([0-9]{2}\.[0-9]{2} )?09:30$' || e2e_fail "next alarm: $(next_alarm)"
e2e_wait_for 10 e2e_lock_open
e2e_press_ok
[ "$(e2e_ini_value "$KIF" kOk:TD:Alarms 3_Use)" = 1 ] || e2e_fail "the dialog's OK switched alarm 3 off again"
hand_over --alarm 3 off
[ "$(e2e_ini_value "$KIF" kOk:TD:Alarms 3_Use)" = 0 ] || e2e_fail "alarm 3 is not off in the file"
[ "$(next_alarm)" = - ] || e2e_fail "next alarm after switching off: $(next_alarm)"

# Hidden for ten minutes, the clock comes back at its place with --show.
gdbus call --session --dest org.example.koktd --object-path /Clock \
    --method org.example.koktd.Clock.HideFor 600 >/dev/null || e2e_fail "HideFor"
hidden() { ! e2e_window_of "$CLOCK_PID" >/dev/null; }
e2e_wait_for 10 hidden || e2e_fail "the clock did not hide"
hand_over --show
WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "--show did not bring the clock back"
e2e_wait_for 5 e2e_at "$WIN" 300 200 || e2e_fail "shown again elsewhere: $(e2e_geometry "$WIN")"

# Bad values: exit 2 with a message naming them, and nothing changes.
BEFORE=$(cat "$KIF")
for bad in "--alarm 12 on" "--alarm 3 maybe" "--alarm 3" "--settings nowhere" "--show now"; do
    set +e
    # shellcheck disable=SC2086 # each case is its words
    "$APP/koktd" $bad >"$E2E_WORK/bad.out" 2>"$E2E_WORK/bad.err"
    rc=$?
    set -e
    [ "$rc" -eq 2 ] || e2e_fail "koktd $bad exited $rc, 2 expected"
    [ -s "$E2E_WORK/bad.err" ] || e2e_fail "koktd $bad said nothing"
    echo "koktd $bad: $(cat "$E2E_WORK/bad.err")"
done
[ "$(cat "$KIF")" = "$BEFORE" ] || e2e_fail "a refused command changed the Settings file"
e2e_dialog_gone || e2e_fail "a refused command opened the dialog"
kill -0 "$CLOCK_PID" || e2e_fail "the clock ended"
e2e_at "$WIN" 300 200 || e2e_fail "a refused command moved the clock: $(e2e_geometry "$WIN")"
[ "$(next_alarm)" = - ] || e2e_fail "a refused command switched an alarm: $(next_alarm)"

hand_over --quit
e2e_wait_for 10 e2e_ended "$CLOCK_PID" || e2e_fail "--quit did not end the clock"
echo "--settings opened each section, --alarm switched slot 3 through the dialog's OK, --show brought the clock back, bad values exited 2"
