#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A program chosen with the alarm page's "..." from a folder whose name has a
# blank ("My Tools") runs as that file: the page's test button starts
# ".../My Tools/run.sh", not ".../My" with "Tools/run.sh" as its argument; OK
# stores the path in double quotes, as a typed command line with a blank is
# written, and the alarm's program starts the same file when it fires.
source "$(dirname "$0")/lib.sh"
e2e_need_faketime
e2e_start_xvfb
APP="$E2E_WORK/app"
e2e_make_install "$APP"
TOOLS="$E2E_WORK/My Tools"
mkdir -p "$TOOLS"
# Each program says how it was started, in a file of its own.
printf '#!/bin/sh\necho "$#:$*" >>"%s/ran_$(basename "$0")"\n' "$E2E_WORK" >"$TOOLS/run.sh"
# What the unquoted path would start.
cp "$TOOLS/run.sh" "$E2E_WORK/My"
chmod +x "$TOOLS/run.sh" "$E2E_WORK/My"
printf '[kOk:TD]\r\nPosX=300\r\nPosY=200\r\n[kOk:TD:Alarms]\r\nAccuracy=5\r\n0_Use=1\r\n0_Hour=8\r\n0_Minute=0\r\n0_Start=1\r\n0_App=\r\n' \
    >"$APP/kOkTD.KiF"

named_shown() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
named_gone() { ! named_shown "$1"; }
ran() { [ -s "$E2E_WORK/ran_$1" ]; }

e2e_start_clock_at 07:00:00 "$APP/koktd"
e2e_open_alarm_page

e2e_dialog_click alarm_page.ui b_app_alarm
TITLE="Укажите программу"
e2e_wait_for 10 named_shown "$TITLE" || e2e_fail "no program chooser"
xdotool key ctrl+a
xdotool type --delay 5 "$TOOLS/run.sh"
xdotool key Return
e2e_wait_for 10 named_gone "$TITLE" || e2e_fail "the chooser did not take $TOOLS/run.sh"

e2e_dialog_click alarm_page.ui t_app_alarm
e2e_wait_for 10 ran run.sh || e2e_fail "the test button did not start run.sh: $(ls "$E2E_WORK")"
[ "$(cat "$E2E_WORK/ran_run.sh")" = "0:" ] || e2e_fail "run.sh got arguments: $(cat "$E2E_WORK/ran_run.sh")"
! ran My || e2e_fail "the test button started $E2E_WORK/My $(cat "$E2E_WORK/ran_My")"

e2e_wait_for 10 e2e_lock_open
e2e_press_ok
# A value that starts and ends with a quote is written in one more pair of
# quotes, which reading takes off again.
STORED=$(e2e_ini_value "$APP/kOkTD.KiF" kOk:TD:Alarms 0_App)
[ "$STORED" = "\"\"$TOOLS/run.sh\"\"" ] || e2e_fail "stored 0_App=$STORED"
echo "OK stored 0_App=$STORED"
e2e_stop_clock

# The alarm fires at 08:00 and starts the same file.
rm -f "$E2E_WORK/ran_run.sh"
e2e_start_clock_at 07:59:58 "$APP/koktd"
e2e_wait_for 30 ran run.sh || e2e_fail "the alarm did not start run.sh"
! ran My || e2e_fail "the alarm started $E2E_WORK/My"
e2e_shot "$SHOTS/program_path.png"
echo "PASS"
