#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One clock at a time: a second start is refused with exit code 1 after the
# message is confirmed; "/reboot" passes; "/autorun" restarts exactly once;
# a crashed clock does not keep later starts out, and the next start clears
# the temporary files it left, while a refused start leaves a running clock's alone.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb
APP="$E2E_WORK/app"
e2e_make_install "$APP"

clock_pids() { pgrep -f "^$APP/koktd" | sort || true; }

# True when both X name properties of window $1 are present and empty.
title_is_empty() {
    local props
    props=$(xprop -id "$1" -notype WM_NAME _NET_WM_NAME 2>/dev/null) || return 1
    [ "$props" = $'WM_NAME = \n_NET_WM_NAME = ' ]
}

# Starts a clock expected to be refused; confirms the message; checks exit code 1.
expect_refused() {
    "$APP/koktd" "$@" >/dev/null 2>&1 &
    local pid=$! win
    win=$(e2e_wait_window "$pid") || e2e_fail "no message for a second start ($*)"
    # The message has no caption, so its window has no title at all.
    e2e_wait_for 3 title_is_empty "$win" ||
        e2e_fail "message title is not empty: $(xprop -id "$win" WM_NAME _NET_WM_NAME)"
    xdotool windowfocus --sync "$win" key Return
    local code=0
    wait "$pid" || code=$?
    [ "$code" -eq 1 ] || e2e_fail "second start ($*) ended with $code, not 1"
}

e2e_start_clock "$APP"
FIRST=$CLOCK_PID
e2e_wait_window "$FIRST" >/dev/null || e2e_fail "the first clock shows no window"

# A temporary file as a running clock's settings write makes it, and a user's
# file that only looks like one.
LEFTOVER="$APP/.kOkTD.KiF.a1B2c3"
USERS_FILE="$APP/.kOkTD.KiF.bak"
touch "$LEFTOVER" "$USERS_FILE"

expect_refused
expect_refused /autorun
expect_refused /REBOOT
# Only the first argument counts. (A first word without "/" is refused
# before any lock: see command_countdown.sh.)
expect_refused /x /reboot
echo "second starts refused"
[ -e "$LEFTOVER" ] || e2e_fail "a refused start removed the running clock's temporary file"

"$APP/koktd" /reboot >/dev/null 2>&1 &
SECOND=$!
e2e_wait_window "$SECOND" >/dev/null || e2e_fail "/reboot start shows no window"
kill -0 "$FIRST" || e2e_fail "the first clock was disturbed"
[ -e "$LEFTOVER" ] || e2e_fail "a /reboot start beside a running clock removed its temporary file"
kill "$SECOND"; wait "$SECOND" 2>/dev/null || true
echo "/reboot passes"

kill -9 "$FIRST"; wait "$FIRST" 2>/dev/null || true
e2e_start_clock "$APP"
AFTER_CRASH=$CLOCK_PID
e2e_wait_window "$AFTER_CRASH" >/dev/null || e2e_fail "no clock after kill -9 of the first"
[ ! -e "$LEFTOVER" ] || e2e_fail "the start after a crash left the crashed clock's temporary file"
[ -e "$USERS_FILE" ] || e2e_fail "the start after a crash removed a file of the user's"
kill "$AFTER_CRASH"; wait "$AFTER_CRASH" 2>/dev/null || true
echo "start after a crash works and clears its temporary file"

# /autorun: 750 ms later the clock replaces itself by one started with /reboot.
e2e_start_clock "$APP" /autorun
AUTO=$CLOCK_PID
e2e_wait_for 5 e2e_ended "$AUTO" || e2e_fail "/autorun did not restart"
# The successor is started before the first clock ends.
mapfile -t running < <(clock_pids)
[ "${#running[@]}" -eq 1 ] || e2e_fail "expected one clock after /autorun, found ${#running[@]}"
tr '\0' ' ' </proc/"${running[0]}"/cmdline | grep -q -- ' /reboot' ||
    e2e_fail "the restarted clock was not started with /reboot"
RESTARTED=${running[0]}
e2e_wait_window "$RESTARTED" >/dev/null || e2e_fail "the restarted clock shows no window"
# Only its own 750 ms restart timer could start another: one second covers it.
sleep 1
[ "$(clock_pids)" = "$RESTARTED" ] || e2e_fail "the clock restarted more than once"
echo "/autorun restarts exactly once"

# The restarted clock keeps later plain starts out.
expect_refused
echo "restarted clock still refuses a second start"
