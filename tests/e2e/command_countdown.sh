#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A countdown started from the command line is handed to the clock that runs
# (no session bus: the clock runs and rings as it always could): the second
# start ends at once, with no box and no second window, and the countdown's
# end turns the clock into the Message bar. A bad command (an unknown
# option too) is refused with exit 2 and leaves the clock alone; a command
# the clock cannot carry out (a pause of a stopped stopwatch, a switch that
# cannot be stored) says why on stderr and exits 1; -h, --help and --version
# need no display.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb
APP="$E2E_WORK/app"
e2e_make_install "$APP"
KIF="$APP/kOkTD.KiF"
printf '[kOk:TD]\r\nPosX=300\r\nPosY=200\r\n[kOk:TD:Timer]\r\nMessage=Чай готов\r\nSound=0\r\nBeep=0\r\n' | iconv -f UTF-8 -t CP1251 >"$KIF" # the Settings file is in Windows-1251

for help in --help -h; do
    (unset DISPLAY; "$APP/koktd" $help) | grep -q -- '--countdown' || e2e_fail "$help shows no usage"
done
[ "$(unset DISPLAY; "$APP/koktd" --version)" = "koktd 10.0" ] || e2e_fail "--version"

e2e_start_clock "$APP"
WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "no clock window"
e2e_wait_for 5 e2e_at "$WIN" 300 200 || e2e_fail "not at its place: $(e2e_geometry "$WIN")"
read -r _ _ SKIN_W SKIN_H < <(e2e_geometry "$WIN")
BEFORE=$(cat "$KIF")

set +e
"$APP/koktd" --countdown 1:00:99 >"$E2E_WORK/bad.out" 2>"$E2E_WORK/bad.err"
RC=$?
set -e
[ "$RC" -eq 2 ] || e2e_fail "a bad duration exited $RC, 2 expected"
grep -q '1:00:99' "$E2E_WORK/bad.err" || e2e_fail "the refusal does not name the value: $(cat "$E2E_WORK/bad.err")"
[ "$(cat "$KIF")" = "$BEFORE" ] || e2e_fail "a refused command changed the Settings file"

# Exit code, stdout and stderr of a command for the running clock.
run() {
    RC=0
    "$APP/koktd" "$@" >"$E2E_WORK/run.out" 2>"$E2E_WORK/run.err" || RC=$?
}
run --bogus
[ "$RC" -eq 2 ] && grep -q -- '--bogus' "$E2E_WORK/run.err" || e2e_fail "an unknown option exited $RC: $(cat "$E2E_WORK/run.err")"
# A client that is not this program's command line gets "refused" for what
# does not parse, never a reply that reads as done.
REPLY=$(/usr/bin/python3 -c 'import socket, sys
s = socket.socket(socket.AF_UNIX)
s.connect(sys.argv[1])
s.sendall(b"--bogus\n\n")
print(s.recv(100).decode(), end="")' "$KOKTD_LOCK_DIR/koktd.command")
[ "$REPLY" = refused ] || e2e_fail "a bad command over the socket got: $REPLY"
run --stopwatch pause
[ "$RC" -eq 1 ] || e2e_fail "a pause of a stopped stopwatch exited $RC"
grep -q 'Секундомер не запущен' "$E2E_WORK/run.err" || e2e_fail "no reason on stderr: $(cat "$E2E_WORK/run.err")"
[ ! -s "$E2E_WORK/run.out" ] || e2e_fail "a failure printed on stdout: $(cat "$E2E_WORK/run.out")"
# A Settings file that cannot be replaced: the switch is not stored.
mv "$KIF" "$KIF.kept"
mkdir "$KIF"
run --alarm 3 on
rmdir "$KIF"
mv "$KIF.kept" "$KIF"
[ "$RC" -eq 1 ] || e2e_fail "a switch that could not be stored exited $RC"
grep -q 'записать файл на диск' "$E2E_WORK/run.err" || e2e_fail "no reason on stderr: $(cat "$E2E_WORK/run.err")"
[ "$(cat "$KIF")" = "$BEFORE" ] || e2e_fail "a failed or refused command changed the Settings file"

# Every visible window of the program, with its process.
program_windows() {
    local w
    for w in $(xdotool search --onlyvisible --classname koktd 2>/dev/null); do
        echo "$w $(xdotool getwindowpid "$w" 2>/dev/null)"
    done
}
[ "$(program_windows | wc -l)" -eq 1 ] || e2e_fail "the clock's window is not found by its class name: $(program_windows)"
"$APP/koktd" --countdown 00:10 >"$E2E_WORK/cmd.out" 2>&1 &
CMD=$!
# No box and no second window, while it runs and after.
alone() { ! program_windows | grep -qv " $CLOCK_PID\$"; }
handed() { alone || e2e_fail "another window showed: $(program_windows)"; e2e_ended "$CMD"; }
e2e_wait_for 10 handed || e2e_fail "the handed-over command did not end"
wait "$CMD" || e2e_fail "the handed-over command failed: $(cat "$E2E_WORK/cmd.out")"
[ "$(program_windows | wc -l)" -eq 1 ] || e2e_fail "windows after the command: $(program_windows)"
[ "$(e2e_ini_value "$KIF" kOk:TD:Timer CountDown)" = 10 ] || e2e_fail "the length was not set"
[ "$(e2e_ini_value "$KIF" kOk:TD:Timer Use)" = 1 ] || e2e_fail "the countdown is not on"

became_bar() { [ "$(e2e_geometry "$WIN")" != "300 200 $SKIN_W $SKIN_H" ]; }
e2e_wait_for 30 became_bar || e2e_fail "the countdown's end showed no bar"
e2e_shot "$SHOTS/command_countdown_bar.png"
kill -0 "$CLOCK_PID" || e2e_fail "the clock ended"
echo "the countdown handed over from the command line ended with the bar"
