# SPDX-License-Identifier: GPL-3.0-or-later
# Shared helpers for the end-to-end scripts. Source it; it sets `set -euo pipefail`.
#   e2e_start_xvfb [WxH]      starts a private Xvfb (1024x768 unless given) and exports DISPLAY
#   e2e_make_install DIR      copies the built program and the files it ships with into DIR
#   e2e_start_clock DIR ARGS  starts DIR/koktd in the background; PID in $CLOCK_PID
#   e2e_start_clock_at HH:MM:SS [CMD...] PROGRAM  starts the clock at a faked time of day and
#                             waits for its window; sets $CLOCK_PID, $STARTED and $WIN
#   e2e_stop_clock            ends the clock $CLOCK_PID and waits until it has ended
#   e2e_start_openbox         starts the openbox window manager and waits until it manages the screen
#   e2e_wait_for SECS CMD...  runs CMD every 0.05 s until it succeeds; 1 after SECS seconds
#                             (times $E2E_WAIT_SCALE, 3 unless set: room for a busy machine)
#   e2e_window_of PID         prints the id of a visible window of PID; 1 when there is none
#   e2e_wait_window PID       waits for the visible window of PID; prints its id
#   e2e_ended PID             succeeds once PID has ended
#   e2e_geometry WIN          prints "X Y W H" of a window
#   e2e_at WIN X Y            succeeds when the window's top-left corner is at X,Y
#   e2e_at_default_place WIN  the same for the clock's first place: 70 px left of the right edge, at the top
#   e2e_shot FILE             screenshot of the whole screen, usually into $SHOTS
#   e2e_fail MSG              prints MSG and exits 1
#   e2e_need_faketime         fails unless libfaketime is there; its path is in $FAKETIME_LIB
#   e2e_ui_center FORM NAME   the middle of a widget of a Designer form ("origin": its corner)
#   e2e_top_strip             succeeds while $WIN is the Message bar's strip at the top
#   e2e_dialog_window / _shown / _gone   the Settings dialog's window, and whether it shows
#   e2e_dialog_point FORM NAME  where a widget of the dialog is, from its form file
#   e2e_dialog_click FORM NAME  clicks a widget of the dialog $DLG by its form file
#   e2e_ini_value FILE SECTION KEY  prints a value of an INI file
#   e2e_open_menu X Y         right-clicks the clock at X,Y until its popup menu shows
#   e2e_open_alarm_page [SHOT]  opens the alarm page from the menu of the clock $WIN; sets $DLG
#   e2e_start_session_bus     a private session bus (none is reachable otherwise)
#   e2e_start_a11y_bus        a private session bus with the accessibility bus on it, as a
#                             screen reader has; $E2E_TEXTS reads it (see accessible_texts.py)
# Everything started here is stopped when the script exits, and when it runs
# longer than $E2E_TIME_LIMIT seconds or is killed (ctest's TIMEOUT kills only
# the script): the script runs in a process group of its own, and a watchdog
# ends the whole group.
set -euo pipefail

if [ "${E2E_GROUP_OF:-}" != "$0" ]; then
    # A session of its own; setsid forks only when already a group leader, and
    # then waits, so ctest still sees the script's end and status.
    E2E_GROUP_OF=$0 exec setsid --wait bash "$0" "$@"
fi
E2E_TIME_LIMIT=${E2E_TIME_LIMIT:-270}
E2E_SCRIPT_PID=$$
E2E_WATCHED_PID=$PPID # setsid --wait, when it forked; else ctest itself
[ "$(ps -o comm= -p "$PPID" 2>/dev/null)" = setsid ] || E2E_WATCHED_PID=$$
(
    trap - EXIT
    trap '' TERM # outlives its own group's TERM, to follow it with KILL
    end=$((SECONDS + E2E_TIME_LIMIT))
    while [ "$SECONDS" -lt "$end" ] && kill -0 "$E2E_WATCHED_PID" 2>/dev/null; do sleep 1 2>/dev/null; done
    if kill -0 "$E2E_WATCHED_PID" 2>/dev/null; then
        echo "FAIL: $(basename "$0") ran longer than $E2E_TIME_LIMIT s; ending it and all it started" >&2
    fi
    kill -TERM -- "-$E2E_SCRIPT_PID" 2>/dev/null
    sleep 2
    kill -KILL -- "-$E2E_SCRIPT_PID" 2>/dev/null
) </dev/null >/dev/null &
E2E_WATCHDOG_PID=$!

E2E_BIN_DIR=${E2E_BIN_DIR:?set by ctest to the folder of the built koktd}
E2E_WORK=$(mktemp -d /tmp/koktd-e2e.XXXXXX)
export KOKTD_LOCK_DIR="$E2E_WORK/locks"
# The user's folders are private too, so that a script can tell what the
# program writes outside its own folder.
export HOME="$E2E_WORK/home"
export XDG_CONFIG_HOME="$E2E_WORK/config"
export XDG_CACHE_HOME="$E2E_WORK/cache"
export XDG_DATA_HOME="$E2E_WORK/data"
export XDG_RUNTIME_DIR="$E2E_WORK/runtime"
# Screenshots stay after the run, for a person to look at.
SHOTS=${E2E_SHOT_DIR:-$E2E_WORK/shots}
# No session bus unless a script starts its own: the clock must never reach
# the user's desktop from a test, and runs without one as it always could.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$E2E_WORK/no-session-bus"
mkdir -p "$KOKTD_LOCK_DIR" "$HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR" "$SHOTS"
chmod 700 "$XDG_RUNTIME_DIR"
E2E_PIDS=()

e2e_cleanup() {
    local p
    for p in "${E2E_PIDS[@]}"; do kill "$p" 2>/dev/null || true; done
    pkill -f "$E2E_WORK/" 2>/dev/null || true
    e2e_wait_for 10 e2e_none_left || true
    rm -rf "$E2E_WORK"
    kill "$E2E_WATCHDOG_PID" 2>/dev/null || true
}
e2e_none_left() { ! pgrep -f "$E2E_WORK/" >/dev/null; }
trap e2e_cleanup EXIT

e2e_fail() {
    echo "FAIL: $*" >&2
    [ -z "${DISPLAY:-}" ] || xdpyinfo >/dev/null 2>&1 || echo "(the X server $DISPLAY is gone)" >&2
    if [ -s "$E2E_WORK/clock.log" ]; then
        echo "--- clock output:" >&2
        cat "$E2E_WORK/clock.log" >&2
    fi
    exit 1
}

FAKETIME_LIB=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
e2e_need_faketime() { [ -f "$FAKETIME_LIB" ] || e2e_fail "libfaketime is not installed"; }

E2E_TEXTS="$(dirname "${BASH_SOURCE[0]}")/accessible_texts.py"
e2e_start_session_bus() {
    # Not --fork: a daemon leaves the script's process group.
    dbus-daemon --session --nofork --print-address=1 >"$E2E_WORK/dbus.address" 2>/dev/null &
    E2E_PIDS+=($!)
    e2e_wait_for 30 test -s "$E2E_WORK/dbus.address" || e2e_fail "dbus-daemon did not start"
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$E2E_WORK/dbus.address")
    export DBUS_SESSION_BUS_ADDRESS
}
e2e_start_a11y_bus() {
    e2e_start_session_bus
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

e2e_start_xvfb() {
    local fifo="$E2E_WORK/displayfd"
    mkfifo "$fifo"
    # -noreset: an X server whose last client leaves resets itself and refuses
    # connections meanwhile, which would fail a clock that starts just then.
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    local num
    read -r -t 60 num <"$fifo" || e2e_fail "Xvfb did not start"
    export DISPLAY=":$num"
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
}

# What the program ships with: the executable, the sounds, the voice pack if
# it was built, and the sample skins, taken from the source tree. Not the whole
# build folder: a clock run from there leaves its Settings file, timer state
# and the user's skins, which would change every test.
E2E_SAMPLE_SKINS="$(dirname "${BASH_SOURCE[0]}")/../../resources/sample_skins"
e2e_make_install() {
    local dir=$1
    mkdir -p "$dir"
    cp "$E2E_BIN_DIR/koktd" "$dir/"
    cp -r "$E2E_BIN_DIR/MEDIA" "$dir/"
    [ ! -e "$E2E_BIN_DIR/kOkvoice.dll" ] || cp "$E2E_BIN_DIR/kOkvoice.dll" "$dir/"
    cp -r "$E2E_SAMPLE_SKINS" "$dir/SKINS"
}

e2e_start_clock() {
    local dir=$1
    shift
    "$dir/koktd" "$@" >>"$E2E_WORK/clock.log" 2>&1 &
    CLOCK_PID=$!
    E2E_PIDS+=($CLOCK_PID)
}

# e2e_start_clock_at HH:MM:SS [COMMAND...] PROGRAM: starts the clock PROGRAM
# with its wall clock at that time of 2026-12-08, running on from there while
# Qt's timers keep real time. libfaketime is preloaded into the clock alone
# (the faketime command would fork, and $CLOCK_PID would not be the clock's);
# a COMMAND before it (setpriv, env) runs it on the real time. Sets
# $CLOCK_PID, $STARTED (e2e_now_us once started) and $WIN.
e2e_start_clock_at() {
    local at=$1
    shift
    "${@:1:$#-1}" env LD_PRELOAD="$FAKETIME_LIB" FAKETIME="@2026-12-08 $at" \
        FAKETIME_DONT_FAKE_MONOTONIC=1 "${@: -1}" >>"$E2E_WORK/clock.log" 2>&1 &
    CLOCK_PID=$!
    E2E_PIDS+=($CLOCK_PID)
    STARTED=$(e2e_now_us)
    WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "no clock window"
}

e2e_stop_clock() {
    kill "$CLOCK_PID"
    e2e_wait_for 5 e2e_ended "$CLOCK_PID" || e2e_fail "the clock did not end"
}

# A window manager that places windows itself and has several workspaces.
e2e_wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
e2e_start_openbox() {
    command -v openbox >/dev/null || e2e_fail "openbox is not installed (scripts/install-deps.sh)"
    openbox --sm-disable >"$E2E_WORK/openbox.log" 2>&1 &
    E2E_PIDS+=($!)
    e2e_wait_for 10 e2e_wm_running || e2e_fail "openbox did not start: $(cat "$E2E_WORK/openbox.log")"
}

# Microseconds since the epoch.
e2e_now_us() { echo "${EPOCHREALTIME//[!0-9]/}"; }

# The limits the scripts give are what an idle machine needs; a busy one gets
# $E2E_WAIT_SCALE times as long (a met condition still ends the wait at once).
e2e_wait_for() {
    local end=$(($(e2e_now_us) + $(awk -v s="$1" -v k="${E2E_WAIT_SCALE:-3}" \
        'BEGIN { printf "%d", s * k * 1000000 }')))
    shift
    until "$@"; do
        [ "$(e2e_now_us)" -lt "$end" ] || return 1
        sleep 0.05
    done
}

e2e_window_of() {
    xdotool search --onlyvisible --pid "$1" 2>/dev/null | awk 'NR == 1 { print } END { exit NR == 0 }'
}

e2e_wait_window() { e2e_wait_for 60 e2e_window_of "$1"; }

e2e_ended() { ! kill -0 "$1" 2>/dev/null; }

e2e_geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
        /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}'
}

e2e_at() {
    local x y
    read -r x y _ _ < <(e2e_geometry "$1")
    [ "$x $y" = "$2 $3" ]
}

e2e_at_default_place() {
    local w
    read -r _ _ w _ < <(e2e_geometry "$1")
    e2e_at "$1" $((1024 - w - 70)) 0
}

e2e_shot() { import -window root "$1"; }


# The middle of a widget of a Designer form file, in the form's own coordinates
# (the geometries of the widgets that hold it added up): "x y". With a third
# argument "origin", its upper left corner.
e2e_ui_center() {
    python3 - "$1" "$2" "${3:-}" <<'PY'
import sys, xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot().find("widget")
def rect(w):
    r = w.find("property[@name='geometry']/rect")
    return [int(r.find(k).text) for k in ("x", "y", "width", "height")] if r is not None else [0, 0, 0, 0]
def walk(w, x, y):
    for child in w.findall("widget"):
        cx, cy, cw, ch = rect(child)
        if child.get("name") == sys.argv[2]:
            half = (0, 0) if sys.argv[3] == "origin" else (cw // 2, ch // 2)
            print(x + cx + half[0], y + cy + half[1]); sys.exit(0)
        walk(child, x + cx, y + cy)
walk(root, 0, 0)
sys.exit("no widget " + sys.argv[2])
PY
}

# The Message bar in its default place: the clock window $WIN as an 18-pixel
# strip across the top of the 1024-pixel screen.
e2e_top_strip() {
    local x y w h
    read -r x y w h < <(e2e_geometry "$WIN")
    [ "$x" -eq 0 ] && [ "$y" -eq 0 ] && [ "$w" -eq 1024 ] && [ "$h" -eq 18 ]
}

# The Settings dialog. Its widgets are clicked where their form files put them;
# a page's widgets sit in the frame's page stack. $DLG is the dialog's window.
E2E_FORMS="$(dirname "${BASH_SOURCE[0]}")/../../src/dialog"
e2e_dialog_window() { xdotool search --onlyvisible --name '^kOk DIAL TD :::' 2>/dev/null | head -1; }
e2e_dialog_shown() { [ -n "$(e2e_dialog_window)" ]; }
e2e_dialog_gone() { ! e2e_dialog_shown; }
# e2e_dialog_point FORM NAME [origin]: where a widget of settings_dialog.ui or
# of a page's form is in the dialog: "x y" of its middle, or of its corner.
e2e_dialog_point() {
    local x y px py
    read -r x y < <(e2e_ui_center "$E2E_FORMS/$1" "$2" "${3:-}") || e2e_fail "no $2 in $1"
    if [ "$1" != settings_dialog.ui ]; then
        read -r px py < <(e2e_ui_center "$E2E_FORMS/settings_dialog.ui" tabs origin)
        x=$((x + px)) y=$((y + py))
    fi
    echo "$x $y"
}
# e2e_dialog_click FORM NAME: a click on the middle of that widget.
e2e_dialog_click() {
    local x y
    read -r x y < <(e2e_dialog_point "$1" "$2")
    xdotool mousemove --window "$DLG" "$x" "$y" click 1
}

# e2e_open_dialog: a double click on the middle of the clock $WIN opens the
# Settings dialog; sets $DLG.
e2e_open_dialog() {
    local x y w h
    read -r x y w h < <(e2e_geometry "$WIN")
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) click --repeat 2 --delay 60 1
    e2e_wait_for 5 e2e_dialog_shown || e2e_fail "a double click on the clock opened no dialog"
    DLG=$(e2e_dialog_window)
}
# e2e_press_ok: the dialog's OK, which closes it.
# OK opens some seconds after the dialog shows, later on a loaded machine; a
# click on it while it is locked does nothing, so it is clicked again, about
# once a second, until the dialog goes.
e2e_press_ok() {
    local _
    for _ in $(seq 30); do
        e2e_dialog_click settings_dialog.ui c_ok
        e2e_wait_for 0.34 e2e_dialog_gone && return 0
    done
    e2e_fail "OK did not close the dialog"
}
# Whether the dialog's OK has opened, counted from $STARTED, when the clock
# started (its lock runs six seconds).
e2e_lock_open() { [ $(($(e2e_now_us) - STARTED)) -gt 6500000 ]; }

# The clock's popup menu: a second visible window of $CLOCK_PID.
e2e_clock_windows() { xdotool search --onlyvisible --pid "$CLOCK_PID" 2>/dev/null | wc -l; }
e2e_menu_open() { [ "$(e2e_clock_windows)" -ge 2 ]; }
e2e_clock_alone() { [ "$(e2e_clock_windows)" -eq 1 ]; }
# e2e_open_menu X Y: a right click at X,Y on the clock opens its popup menu.
# A click that comes while the clock is being shown anew (as right after the
# dialog's OK) finds no window, so it is tried again.
e2e_open_menu() {
    local try
    for try in 1 2 3; do
        e2e_wait_for 5 e2e_clock_alone || true
        xdotool mousemove "$1" "$2" click 3
        e2e_wait_for 3 e2e_menu_open && return 0
    done
    e2e_fail "no popup menu after three right clicks"
}
# e2e_open_alarm_page [SHOT]: the alarm page of the Settings dialog, from the
# popup menu of the clock $WIN. With the default skin (which has a second
# indicator) "Будильники" is the sixth item shown; its submenu, a third window
# of the clock's, opens on "Настройки". SHOT, if given, is a screenshot of the
# open submenu. Sets $DLG.
e2e_open_alarm_page() {
    local x y w h
    read -r x y w h < <(e2e_geometry "$WIN")
    e2e_open_menu $((x + w / 2)) $((y + h / 2))
    xdotool key --delay 100 Down Down Down Down Down Down Right
    e2e_wait_for 3 e2e_submenu_open || e2e_fail "the alarm submenu did not open"
    [ -z "${1:-}" ] || e2e_shot "$1"
    xdotool key Return
    e2e_wait_for 5 e2e_dialog_shown || e2e_fail "the alarm submenu opened no dialog"
    DLG=$(e2e_dialog_window)
}
e2e_submenu_open() { [ "$(e2e_clock_windows)" -ge 3 ]; }

# e2e_ini_value FILE SECTION KEY: the value of KEY in [SECTION] of an INI file.
e2e_ini_value() {
    tr -d '\r' <"$1" | awk -v s="[$2]" -v k="$3" \
        '/^\[/ { in_s = ($0 == s) } in_s && index($0, k "=") == 1 { print substr($0, length(k) + 2); exit }'
}
