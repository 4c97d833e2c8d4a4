#!/usr/bin/env bash
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
sleep 0.5

read -r X Y W H < <(e2e_geometry "$WIN")
echo "window ${W}x${H} at $X,$Y"
[ "$X" -eq $((SCREEN_W - W - 70)) ] && [ "$Y" -eq 0 ] ||
    e2e_fail "first position $X,$Y, expected $((SCREEN_W - W - 70)),0"

stored() { tr -d '\r' <"$KIF" | sed -n "s/^$1=//p" | head -n 1; }

# Drags the window so that its top-left would end at ($1, $2), moving in
# small steps as a hand would. The grip is a point of the face: the first of
# a few candidates that moves the window (a skin may put a button or a hole
# of its shape anywhere).
GRIPS=("$((W / 2)) $((H / 2))" "$((W / 4)) $((H / 2))" "$((W * 3 / 4)) $((H / 2))"
       "$((W / 2)) $((H / 4))" "$((W / 2)) $((H * 3 / 4))")
GX=$((W / 2)) GY=$((H / 2))
drag_once() {
    local tx=$1 ty=$2 x=$3 y=$4 i steps=8
    xdotool mousemove $((x + GX)) $((y + GY))
    sleep 0.1
    xdotool mousedown 1
    sleep 0.1
    for i in $(seq 1 $steps); do
        xdotool mousemove $((x + GX + (tx - x) * i / steps)) $((y + GY + (ty - y) * i / steps))
        sleep 0.05
    done
    sleep 0.2
    xdotool mouseup 1
    sleep 0.3
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
xdotool mousemove $((300 + GX)) $((150 + GY))
sleep 0.1
xdotool click 3
sleep 0.7
WINDOWS=$(xdotool search --onlyvisible --pid "$CLOCK_PID" | wc -l)
[ "$WINDOWS" -ge 2 ] || e2e_fail "no popup menu after a right click"
[ "$(stored PosX)" = 300 ] || e2e_fail "a right click did not store the position"
# The last items are fixed: Выход, Информация, Перезапуск, Скрыть на 60, Скрыть на 10.
xdotool key Up Up Up Up Up
sleep 0.3
e2e_shot "$SHOTS/window_menu.png"
xdotool key Return
HIDDEN_AT=$(date +%s%3N)
sleep 0.5
[ -z "$(xdotool search --onlyvisible --pid "$CLOCK_PID" 2>/dev/null || true)" ] ||
    e2e_fail "the window is still visible after \"Скрыть на 10 секунд\""

# While hidden, store another position: the window comes back there.
sed -i -e 's/^PosX=.*\r$/PosX=420\r/' -e 's/^PosY=.*\r$/PosY=333\r/' "$KIF"
for _ in $(seq 1 150); do
    [ -n "$(xdotool search --onlyvisible --pid "$CLOCK_PID" 2>/dev/null || true)" ] && break
    sleep 0.1
done
BACK_AT=$(date +%s%3N)
[ -n "$(xdotool search --onlyvisible --pid "$CLOCK_PID" 2>/dev/null || true)" ] ||
    e2e_fail "the window did not come back within 15 s"
HIDDEN_MS=$((BACK_AT - HIDDEN_AT))
echo "hidden for $HIDDEN_MS ms"
[ "$HIDDEN_MS" -gt 9700 ] && [ "$HIDDEN_MS" -lt 11500 ] ||
    e2e_fail "hidden for $HIDDEN_MS ms, expected about 10 s"
WIN=$(e2e_wait_window "$CLOCK_PID")
sleep 0.3
read -r x y _ _ < <(e2e_geometry "$WIN")
[ "$x" -eq 420 ] && [ "$y" -eq 333 ] || e2e_fail "came back at $x,$y, expected 420,333"
e2e_shot "$SHOTS/window_back.png"
echo "PASS"
