#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Under a window manager with several workspaces (openbox), the clock shows on
# every workspace by default: it stays in view when the user switches. With
# "AllDesktops=0" it stays on the workspace it started on.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb
APP="$E2E_WORK/app"
e2e_make_install "$APP"

e2e_start_openbox
[ "$(xdotool get_num_desktops)" -ge 2 ] || e2e_fail "openbox has $(xdotool get_num_desktops) workspace"

on_desktop() { [ "$(xdotool get_desktop)" = "$1" ]; }
desktop_of() { xprop -id "$WIN" _NET_WM_DESKTOP 2>/dev/null | awk '{ print $NF }'; }
shows() { e2e_window_of "$CLOCK_PID" >/dev/null; }
hidden() { ! shows; }

for all in 1 0; do
    xdotool set_desktop 0
    e2e_wait_for 10 on_desktop 0 || e2e_fail "openbox did not switch to workspace 0"
    printf '[kOk:TD]\r\nPosX=300\r\nPosY=200\r\nAllDesktops=%d\r\n' "$all" >"$APP/kOkTD.KiF"
    e2e_start_clock "$APP"
    WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "no clock window"
    if [ "$all" = 1 ]; then
        every() { [ "$(desktop_of)" = 4294967295 ]; }
        e2e_wait_for 10 every || e2e_fail "not on every workspace: _NET_WM_DESKTOP $(desktop_of)"
        # The state is the manager's to set, where it knows it.
        if xprop -root _NET_SUPPORTED | grep -q _NET_WM_STATE_STICKY; then
            xprop -id "$WIN" _NET_WM_STATE | grep -q _NET_WM_STATE_STICKY ||
                e2e_fail "not sticky: $(xprop -id "$WIN" _NET_WM_STATE)"
        fi
    else
        [ "$(desktop_of)" = 0 ] || e2e_fail "not on workspace 0 alone: $(desktop_of)"
    fi
    xdotool set_desktop 1
    e2e_wait_for 10 on_desktop 1 || e2e_fail "openbox did not switch to workspace 1"
    if [ "$all" = 1 ]; then
        shows || e2e_fail "the clock left with the workspace"
        e2e_shot "$SHOTS/workspaces_every.png"
    else
        e2e_wait_for 10 hidden || e2e_fail "the clock kept to one workspace shows on another"
    fi
    e2e_stop_clock
done
echo "on every workspace by default, on one when asked"
