#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The running clock's object on a private session bus: introspection shows
# its commands and signals, a call runs a command, a bad value is refused
# with an error and changes nothing, and Fired goes out when the countdown ends
# (notifications switched off: no notification server is started by it).
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb
e2e_start_session_bus
APP="$E2E_WORK/app"
e2e_make_install "$APP"
KIF="$APP/kOkTD.KiF"
printf '[kOk:TD]\r\nPosX=300\r\nPosY=200\r\nNotify=0\r\n[kOk:TD:Alarms]\r\n4_Hour=7\r\n4_Minute=0\r\n4_atOnce=1\r\n[kOk:TD:Timer]\r\nMessage=Готово\r\nSound=0\r\nBeep=0\r\n' | iconv -f UTF-8 -t CP1251 >"$KIF" # the Settings file is in Windows-1251
e2e_start_clock "$APP"
WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "no clock window"
introspect() { gdbus introspect --session --dest org.example.koktd --object-path /Clock >"$E2E_WORK/intro.txt" 2>&1; }
e2e_wait_for 10 introspect || e2e_fail "no object: $(cat "$E2E_WORK/intro.txt")"
cat "$E2E_WORK/intro.txt"
for member in 'interface org.example.koktd.Clock' 'StartCountdown(in  i seconds)' StopCountdown \
    'Stopwatch(in  s move)' 'SwitchAlarm(in  i slot' 'OpenSettings(in  s section)' \
    'HideFor(in  i seconds)' 'Show()' 'Restart()' 'Quit()' 'Status(out s' \
    'Fired(i event' 'Dismissed(i event)'; do
    grep -qF "$member" "$E2E_WORK/intro.txt" || e2e_fail "the interface has no $member"
done

call() { gdbus call --session --dest org.example.koktd --object-path /Clock --method "org.example.koktd.Clock.$1" "${@:2}"; }
BEFORE=$(cat "$KIF")
if call Stopwatch sideways 2>"$E2E_WORK/err.txt"; then e2e_fail "a bad move was taken"; fi
grep -q InvalidArgs "$E2E_WORK/err.txt" || e2e_fail "no InvalidArgs: $(cat "$E2E_WORK/err.txt")"
[ "$(cat "$KIF")" = "$BEFORE" ] || e2e_fail "a refused call changed the Settings file"

call SwitchAlarm 4 true | grep -q true || e2e_fail "SwitchAlarm"
[ "$(e2e_ini_value "$KIF" kOk:TD:Alarms 4_Use)" = 1 ] || e2e_fail "alarm 4 not on: $(cat "$KIF")"
call Status | grep -q 'next-alarm: 4 ' || e2e_fail "Status: $(call Status)"

gdbus monitor --session --dest org.example.koktd >"$E2E_WORK/monitor.txt" 2>&1 &
E2E_PIDS+=($!)
subscribed() { grep -q 'is owned by' "$E2E_WORK/monitor.txt"; }
e2e_wait_for 10 subscribed || e2e_fail "gdbus monitor did not start: $(cat "$E2E_WORK/monitor.txt")"
call StartCountdown 10 >/dev/null || e2e_fail "StartCountdown"
fired() { grep -q "Fired (10, 'Готово')" "$E2E_WORK/monitor.txt"; }
e2e_wait_for 30 fired || e2e_fail "no Fired signal: $(cat "$E2E_WORK/monitor.txt")"
echo "introspection, calls, a refusal and the Fired signal seen on the bus"
