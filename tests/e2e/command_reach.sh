#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A command reaches the running clock at every point of its life. The clock
# joins its lock in two folders; the caller knows only the second, as a start
# with another XDG_RUNTIME_DIR (ssh, cron) would. While the clock is still
# starting (the X server is held, so it has its lock but no window and no
# socket yet), the caller waits for it. After a restart through D-Bus, the
# new clock answers --status and owns the name on the session bus; a clock
# that starts while another still holds the name gets it when that one ends.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb
XVFB=${E2E_PIDS[-1]}
e2e_start_session_bus
APP="$E2E_WORK/app"
e2e_make_install "$APP"
printf '[kOk:TD]\r\nPosX=300\r\nPosY=200\r\n' >"$APP/kOkTD.KiF"
FIRST="$E2E_WORK/locks-first"
SECOND="$E2E_WORK/locks-second"
mkdir -m 700 "$FIRST" "$SECOND"
LOCK_FILE="KTD_5_10_x.$(id -u).lock"

status() { KOKTD_LOCK_DIR=$SECOND "$APP/koktd" --status >"$E2E_WORK/status.txt" 2>&1; }
holds_lock() { ls -l "/proc/$1/fd" 2>/dev/null | grep -qF "$2/$LOCK_FILE"; }

# 1. Still starting, and seen through its second folder only.
kill -STOP "$XVFB"
KOKTD_LOCK_DIR="$FIRST:$SECOND" e2e_start_clock "$APP"
e2e_wait_for 20 holds_lock "$CLOCK_PID" "$SECOND" || { kill -CONT "$XVFB"; e2e_fail "the clock took no lock"; }
KOKTD_LOCK_DIR=$SECOND "$APP/koktd" --status >"$E2E_WORK/early.txt" 2>&1 &
CALLER=$!
caller_started() { holds_lock "$CALLER" "$SECOND" || e2e_ended "$CALLER"; }
e2e_wait_for 20 caller_started || { kill -CONT "$XVFB"; e2e_fail "the caller took no lock"; }
sleep 1 # the caller tries while the clock cannot listen yet
kill -CONT "$XVFB"
e2e_wait_for 30 e2e_ended "$CALLER" || e2e_fail "the caller did not end"
CODE=0
wait "$CALLER" || CODE=$?
[ "$CODE" -eq 0 ] || e2e_fail "a command to a starting clock exited $CODE: $(cat "$E2E_WORK/early.txt")"
grep -q '^time: ' "$E2E_WORK/early.txt" || e2e_fail "no status: $(cat "$E2E_WORK/early.txt")"
WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "no clock window"
echo "a clock that was still starting answered a caller that met it in its second lock folder"

# 2. A restart through D-Bus: the new clock answers on the sockets and the bus.
bus_owner() {
    gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.GetConnectionUnixProcessID org.example.koktd 2>/dev/null |
        sed -n 's/^(uint32 \([0-9]*\),)$/\1/p'
}
owned_by() { [ "$(bus_owner)" = "$1" ]; }
e2e_wait_for 10 owned_by "$CLOCK_PID" || e2e_fail "the clock holds no name on the bus"
OLD=$CLOCK_PID
gdbus call --session --dest org.example.koktd --object-path /Clock \
    --method org.example.koktd.Clock.Restart >/dev/null || e2e_fail "Restart was refused"
e2e_wait_for 20 e2e_ended "$OLD" || e2e_fail "the old clock did not end"
new_clock() { NEW=$(pgrep -f "^$APP/koktd /reboot" | head -1) && [ -n "$NEW" ]; }
e2e_wait_for 20 new_clock || e2e_fail "no new clock"
E2E_PIDS+=($NEW)
e2e_wait_window "$NEW" >/dev/null || e2e_fail "the new clock shows no window"
for dir in "$FIRST" "$SECOND"; do
    e2e_wait_for 10 test -S "$dir/koktd.command" || e2e_fail "no socket in $dir after the restart"
done
status || e2e_fail "--status after the restart: $(cat "$E2E_WORK/status.txt")"
grep -q '^time: ' "$E2E_WORK/status.txt" || e2e_fail "no status after the restart: $(cat "$E2E_WORK/status.txt")"
e2e_wait_for 10 owned_by "$NEW" || e2e_fail "the name is not the new clock's: owner $(bus_owner), new $NEW"
gdbus introspect --session --dest org.example.koktd --object-path /Clock >"$E2E_WORK/intro.txt" 2>&1 ||
    e2e_fail "no object after the restart: $(cat "$E2E_WORK/intro.txt")"
grep -qF 'interface org.example.koktd.Clock' "$E2E_WORK/intro.txt" || e2e_fail "no interface: $(cat "$E2E_WORK/intro.txt")"
echo "after a restart the new clock ($NEW) answers --status and owns the name on the bus"

# 3. However late the old clock lets go of the name, the new one gets it: a
#    clock started with /reboot beside a running one waits for the name.
KOKTD_LOCK_DIR=$SECOND e2e_start_clock "$APP" /reboot
LATER=$CLOCK_PID
e2e_wait_window "$LATER" >/dev/null || e2e_fail "the clock started with /reboot shows no window"
owned_by "$NEW" || e2e_fail "the name left the running clock: owner $(bus_owner)"
gdbus call --session --dest org.example.koktd --object-path /Clock \
    --method org.example.koktd.Clock.Quit >/dev/null || e2e_fail "Quit was refused"
e2e_wait_for 10 e2e_ended "$NEW" || e2e_fail "Quit did not end the clock"
e2e_wait_for 10 owned_by "$LATER" || e2e_fail "the waiting clock did not get the name: owner $(bus_owner)"
echo "the clock started beside it got the name when the first ended"
