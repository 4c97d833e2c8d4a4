#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Dragging, the popup menu and hiding, against the real program in Xvfb:
#  - a drag that ends near the right edge lands on it (magnet on by default),
#    one that ends near the top-left corner lands in it, and PosX/PosY follow;
#  - a right click opens the popup menu and stores the position;
#  - "Скрыть на 10 секунд" hides the window, which comes back about 10 s later
#    at the position stored by then.
# Works with any window size: the size is measured, not assumed.
source "$(dirname "$0")/lib.sh"

SCREEN_W=1024

e2e_start_xvfb
APP="$E2E_WORK/app"
e2e_make_install "$APP"
KIF="$APP/kOkTD.KiF"
e2e_start_clock "$APP"
WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "the clock window did not appear"
e2e_wait_for 5 e2e_at_default_place "$WIN" ||
    e2e_fail "first place (x y width height) $(e2e_geometry "$WIN"), expected 70 px left of the right edge, at the top"
read -r X Y W H < <(e2e_geometry "$WIN")
echo "window ${W}x${H} at $X,$Y"

stored() { tr -d '\r' <"$KIF" 2>/dev/null | sed -n "s/^$1=//p" | head -n 1; }
# The window is near ($1, $2): within the 18-pixel margin that it may snap across.
near() {
    local x y
    read -r x y _ _ < <(e2e_geometry "$WIN")
    [ $((x - $1)) -le 18 ] && [ $(($1 - x)) -le 18 ] && [ $((y - $2)) -le 18 ] && [ $(($2 - y)) -le 18 ]
}
# The position the window shows is the one stored.
position_stored() {
    local x y
    read -r x y _ _ < <(e2e_geometry "$WIN")
    [ "$(stored PosX) $(stored PosY)" = "$x $y" ]
}

# Drags the window so that its top-left would end at ($1, $2), moving in
# small steps as a hand would. The grip is a point of the face: the first of
# a few candidates that moves the window (a skin may put a button or a hole
# of its shape anywhere). The window follows the pointer on a 10-ms timer of
# its own, so the steps are paced like a hand's rather than waited for; the
# button is let go once the window has caught up with the pointer.
GRIPS=("$((W / 2)) $((H / 2))" "$((W / 4)) $((H / 2))" "$((W * 3 / 4)) $((H / 2))"
       "$((W / 2)) $((H / 4))" "$((W / 2)) $((H * 3 / 4))")
GX=$((W / 2)) GY=$((H / 2))
drag_once() {
    local tx=$1 ty=$2 x=$3 y=$4 i steps=8
    xdotool mousemove $((x + GX)) $((y + GY)) mousedown 1
    for i in $(seq 1 $steps); do
        xdotool mousemove $((x + GX + (tx - x) * i / steps)) $((y + GY + (ty - y) * i / steps))
        sleep 0.05
    done
    e2e_wait_for 2 near "$tx" "$ty" || true # a grip that does not drag: drag_to tries another
    xdotool mouseup 1
    e2e_wait_for 2 position_stored || true
}
drag_to() {
    local x y nx ny grip
    read -r x y _ _ < <(e2e_geometry "$WIN")
    drag_once "$1" "$2" "$x" "$y"
    read -r nx ny _ _ < <(e2e_geometry "$WIN")
    [ "$nx $ny" != "$x $y" ] && return 0
    for grip in "${GRIPS[@]}"; do
        read -r GX GY <<<"$grip"
        drag_once "$1" "$2" "$x" "$y"
        read -r nx ny _ _ < <(e2e_geometry "$WIN")
        [ "$nx $ny" != "$x $y" ] && return 0
    done
    e2e_fail "no point of the window starts a drag"
}

expect_at() {
    local x y
    read -r x y _ _ < <(e2e_geometry "$WIN")
    [ "$x" -eq "$1" ] && [ "$y" -eq "$2" ] || e2e_fail "$3: window at $x,$y, expected $1,$2"
    [ "$(stored PosX)" = "$1" ] && [ "$(stored PosY)" = "$2" ] ||
        e2e_fail "$3: stored PosX=$(stored PosX) PosY=$(stored PosY), expected $1,$2"
}

# 10 pixels short of the right edge: inside the 18-pixel margin.
drag_to $((SCREEN_W - W - 10)) 200
expect_at $((SCREEN_W - W)) 200 "drag to the right edge"
# 9 and 12 pixels from the top-left corner.
drag_to 9 12
expect_at 0 0 "drag to the top-left corner"
# Away from every edge nothing snaps.
drag_to 300 150
expect_at 300 150 "drag to the middle"
e2e_shot "$SHOTS/window_after_drag.png"

# A right click opens the menu and stores the position (changed behind its back).
sed -i 's/^PosX=.*\r$/PosX=1\r/' "$KIF"
xdotool mousemove $((300 + GX)) $((150 + GY)) click 3
menu_open() { [ "$(xdotool search --onlyvisible --pid "$CLOCK_PID" | wc -l)" -ge 2 ]; }
e2e_wait_for 5 menu_open || e2e_fail "no popup menu after a right click"
e2e_wait_for 2 position_stored || e2e_fail "a right click did not store the position"
# The last items are fixed: Выход, Информация, Перезапуск, Скрыть на 60, Скрыть на 10.
xdotool key Up Up Up Up Up
# Only for the picture: a moment for the menu to show the chosen item.
sleep 0.3
e2e_shot "$SHOTS/window_menu.png"
xdotool key Return
HIDDEN_AT=$(date +%s%3N)
hidden() { ! e2e_window_of "$CLOCK_PID" >/dev/null; }
e2e_wait_for 2 hidden || e2e_fail "the window is still visible after \"Скрыть на 10 секунд\""

# While hidden, store another position: the window comes back there.
sed -i -e 's/^PosX=.*\r$/PosX=420\r/' -e 's/^PosY=.*\r$/PosY=333\r/' "$KIF"
WIN=$(e2e_wait_for 15 e2e_window_of "$CLOCK_PID") || e2e_fail "the window did not come back within 15 s"
BACK_AT=$(date +%s%3N)
HIDDEN_MS=$((BACK_AT - HIDDEN_AT))
echo "hidden for $HIDDEN_MS ms"
[ "$HIDDEN_MS" -gt 9700 ] && [ "$HIDDEN_MS" -lt 11500 ] ||
    e2e_fail "hidden for $HIDDEN_MS ms, expected about 10 s"
e2e_wait_for 2 e2e_at "$WIN" 420 333 || e2e_fail "came back at $(e2e_geometry "$WIN"), expected 420,333"
e2e_shot "$SHOTS/window_back.png"
echo "PASS"
