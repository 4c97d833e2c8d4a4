#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# On a private session bus: a real notification server (dunst) receives the
# countdown's notification with its message when the countdown ends. Then a
# scripted server that clicks "Snooze" stands in for a user, which dunst
# cannot do headless: the bar goes, and the countdown (no reminder of its own)
# comes back after the snooze's five minutes and not before, the clock's time
# sped up by libfaketime. The notification names the program's icon and
# desktop entry. The clock holds its name on the bus; a notification the
# user closes leaves the bar.
source "$(dirname "$0")/lib.sh"
e2e_need_faketime
command -v dunst >/dev/null || e2e_fail "dunst is not installed (scripts/install-deps.sh)"
e2e_start_xvfb
e2e_start_session_bus
APP="$E2E_WORK/app"
e2e_make_install "$APP"
KIF="$APP/kOkTD.KiF"
printf '[kOk:TD]\r\nPosX=300\r\nPosY=200\r\n[kOk:TD:Timer]\r\nMessage=Чай & <b>готов</b>\r\nSound=0\r\nBeep=0\r\nRemind=0\r\n' | iconv -f UTF-8 -t CP1251 >"$KIF" # the Settings file is in Windows-1251

dunst -config /dev/null >"$E2E_WORK/dunst.log" 2>&1 &
DUNST=$!
E2E_PIDS+=($DUNST)
has_name() { gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
    --method org.freedesktop.DBus.NameHasOwner "$1" 2>/dev/null | grep -q true; }
e2e_wait_for 10 has_name org.freedesktop.Notifications || e2e_fail "dunst did not start: $(cat "$E2E_WORK/dunst.log")"

# Twenty seconds of the clock's time (monotonic too, so its timers) to one real.
LD_PRELOAD=$FAKETIME_LIB FAKETIME="+0 x20" "$APP/koktd" >>"$E2E_WORK/clock.log" 2>&1 &
CLOCK_PID=$!
E2E_PIDS+=($CLOCK_PID)
WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "no clock window"
e2e_wait_for 10 has_name org.example.koktd || e2e_fail "the clock holds no name on the bus"
read -r _ _ SKIN_W SKIN_H < <(e2e_geometry "$WIN")
is_bar() { [ "$(e2e_geometry "$WIN")" != "300 200 $SKIN_W $SKIN_H" ]; }
is_clock() { ! is_bar; }

"$APP/koktd" --countdown 00:20 || e2e_fail "the countdown was not handed over"
e2e_wait_for 20 is_bar || e2e_fail "no bar"
displayed() { [ "$(dunstctl count displayed 2>/dev/null || echo 0)" -ge 1 ]; }
e2e_wait_for 10 displayed || e2e_fail "dunst shows no notification"
# Closed as a user closes it: it goes into dunst's history, and the bar stays.
dunstctl close
in_history() { dunstctl history 2>/dev/null | grep -qF "$1"; }
e2e_wait_for 10 in_history 'Чай' || e2e_fail "dunst has no notification with the message: $(dunstctl history)"
dunstctl history | grep -qF 'kOk DIAL TD' || e2e_fail "the notification does not name the program"
echo "dunst received the countdown's notification"
is_bar || e2e_fail "closing the notification took the bar away"
xdotool windowactivate --sync "$WIN" 2>/dev/null || true
xdotool windowfocus --sync "$WIN" key Escape
e2e_wait_for 10 is_clock || e2e_fail "Esc did not dismiss the bar"
kill "$DUNST"
e2e_wait_for 10 bash -c "! gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus --method org.freedesktop.DBus.NameHasOwner org.freedesktop.Notifications | grep -q true" ||
    e2e_fail "dunst did not leave the bus"

# The scripted server clicks "Snooze" on the countdown's notification.
NOTES="$E2E_WORK/notes.log"
: >"$NOTES"
/usr/bin/python3 "$(dirname "$0")/fake_notifications.py" "$NOTES" "Чай" snooze >"$E2E_WORK/fake.log" 2>&1 &
E2E_PIDS+=($!)
e2e_wait_for 10 has_name org.freedesktop.Notifications || e2e_fail "the scripted server did not start: $(cat "$E2E_WORK/fake.log")"
"$APP/koktd" --countdown 00:20 || e2e_fail "the second countdown was not handed over"
notified() { [ "$(grep -c 'Чай' "$NOTES")" -ge "$1" ]; }
e2e_wait_for 20 notified 1 || e2e_fail "no notification reached the scripted server"
line=$(grep -m1 'Чай' "$NOTES")
[[ "$line" == *$'\t'"Чай & <b>готов</b>"$'\t'* ]] || e2e_fail "the message is not plain text: $line"
[[ "$line" == *$'\tstop,'*',snooze,'*$'\t2\t'* ]] || e2e_fail "no Stop and Snooze, or not critical: $line"
[[ "$line" == *$'\torg.example.koktd\torg.example.koktd' ]] || e2e_fail "not the program's icon and desktop entry: $line"
e2e_wait_for 10 is_clock || e2e_fail "Snooze did not dismiss the bar"
echo "Snooze dismissed the bar"

# The clock's time of day in seconds, from its own status.
clock_time() {
    "$APP/koktd" --status 2>/dev/null | sed -n 's/^time: //p' | awk -F: '{ print $1 * 3600 + $2 * 60 + $3 }'
}
since() { echo $(((($(clock_time) - $1) % 86400 + 86400) % 86400)); }
SNOOZED=$(clock_time)
"$APP/koktd" --status | grep -qx 'reminder: countdown' || e2e_fail "the snooze left no reminder: $("$APP/koktd" --status)"
# With no reminder minutes set, only the snooze brings the event back. It
# must not be back within half of its five minutes of the clock's time: the
# other half is room for slow status calls on a loaded machine (the clock's
# time runs twenty times faster).
back_early() {
    if is_bar; then
        local s
        s=$(since "$SNOOZED")
        [ "$s" -lt 150 ] && e2e_fail "the snoozed event came back after $s s of the clock's time"
        return 0
    fi
    return 1
}
# Five minutes of the clock's time are fifteen real seconds.
e2e_wait_for 40 back_early || e2e_fail "the snoozed event did not come back"
e2e_wait_for 10 notified 2 || e2e_fail "the snoozed event sent no notification"
e2e_shot "$SHOTS/notifications_snoozed.png"
echo "the snoozed countdown came back after $(since "$SNOOZED") s of the clock's time, with its bar and notification"
