#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The window takes the shape and size of its skin: the built-in "ext" with an
# empty Settings file, "def" when chosen, and a broken external skin leads to
# the reset message and a restart with "ext".
source "$(dirname "$0")/lib.sh"

# Colour of a screen pixel as "r,g,b".
pixel() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}
# The desktop as it is without the clock, to compare with.
BARE="$E2E_WORK/bare.png"
expect_desktop() { # shot x y what
    [ "$(pixel "$1" "$2" "$3")" = "$(pixel "$BARE" "$2" "$3")" ] ||
        e2e_fail "$4: pixel $2,$3 is $(pixel "$1" "$2" "$3"), not the desktop"
}
expect_window() {
    [ "$(pixel "$1" "$2" "$3")" != "$(pixel "$BARE" "$2" "$3")" ] ||
        e2e_fail "$4: pixel $2,$3 shows the desktop"
}

stop_clock() { kill "$CLOCK_PID" 2>/dev/null || true; wait "$CLOCK_PID" 2>/dev/null || true; }
sized() { # win width height
    local w h
    read -r _ _ w h < <(e2e_geometry "$1")
    [ "$w $h" = "$2 $3" ]
}
shaped_ext() { xwininfo -shape -id "$1" | grep -q "Window shape extents:  124x27+0+0"; }

e2e_start_xvfb
e2e_shot "$BARE"
DIR="$E2E_WORK/install"
e2e_make_install "$DIR"

# 1. Empty Settings file: "ext", 125 x 28, cut to its mask.
: >"$DIR/kOkTD.KiF"
e2e_start_clock "$DIR"
WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "no clock window"
e2e_wait_for 5 sized "$WIN" 125 28 || e2e_fail "ext window is $(e2e_geometry "$WIN"), not 125x28"
e2e_wait_for 5 shaped_ext "$WIN" ||
    e2e_fail "ext window has no 124x27 shape: $(xwininfo -shape -id "$WIN" | grep -i shape)"
read -r X Y W H <<<"$(e2e_geometry "$WIN")"
e2e_shot "$SHOTS/skin_ext.png"
expect_desktop "$SHOTS/skin_ext.png" "$X" "$Y" "ext top-left corner (slanted end)"
expect_desktop "$SHOTS/skin_ext.png" "$((X + 124))" "$((Y + 5))" "ext rightmost column"
expect_desktop "$SHOTS/skin_ext.png" "$((X + 60))" "$((Y + 27))" "ext row below the mask"
expect_window "$SHOTS/skin_ext.png" "$((X + 14))" "$((Y + 20))" "ext face"
expect_window "$SHOTS/skin_ext.png" "$((X + 100))" "$((Y + 1))" "ext face"
[ ! -e "$DIR/mask.tmp" ] && [ ! -e "$DIR/kOkTD.ksf" ] || e2e_fail "temporary skin files left behind"
stop_clock

# 2. The "def" skin: 126 x 18.
printf '[kOk:TD:Skins]\r\nXP_SkinName=def\r\n9X_SkinName=def\r\n' >"$DIR/kOkTD.KiF"
e2e_start_clock "$DIR"
WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "no clock window for def"
e2e_wait_for 5 sized "$WIN" 126 18 || e2e_fail "def window is $(e2e_geometry "$WIN"), not 126x18"
read -r X Y W H <<<"$(e2e_geometry "$WIN")"
e2e_shot "$SHOTS/skin_def.png"
expect_desktop "$SHOTS/skin_def.png" "$X" "$Y" "def top-left corner"
expect_desktop "$SHOTS/skin_def.png" "$((X + 125))" "$((Y + 9))" "def rightmost column"
expect_window "$SHOTS/skin_def.png" "$((X + 40))" "$((Y + 9))" "def face"
stop_clock

# 3. An external skin without face.bmp: the reset message, then "ext" again.
mkdir -p "$E2E_WORK/broken"
printf '[kOk:TD:Skins]\r\nXP_SkinExt=1\r\nXP_SkinPath=%s/\r\n9X_SkinExt=1\r\n9X_SkinPath=%s/\r\n' \
    "$E2E_WORK/broken" "$E2E_WORK/broken" >"$DIR/kOkTD.KiF"
e2e_start_clock "$DIR"
e2e_wait_window "$CLOCK_PID" >/dev/null || e2e_fail "no message after a broken skin"
reset_written() { grep -q "SkinExt=0" "$DIR/kOkTD.KiF" && grep -q "SkinName=ext" "$DIR/kOkTD.KiF"; }
e2e_wait_for 5 reset_written || e2e_fail "skin choice not reset: $(cat "$DIR/kOkTD.KiF")"
e2e_shot "$SHOTS/skin_reset_message.png"
# Answers the message with Enter (its window is whichever of the process
# shows); succeeds once the process has ended.
answered() {
    e2e_ended "$CLOCK_PID" && return 0
    local box
    for box in $(xdotool search --onlyvisible --pid "$CLOCK_PID" 2>/dev/null || true); do
        xdotool key --window "$box" Return 2>/dev/null || true
    done
    return 1
}
e2e_wait_for 10 answered || e2e_fail "the failed instance did not end"
# The successor is started before the failed instance ends.
NEW=$(pgrep -f "^$DIR/koktd /reboot" | head -n 1 || true)
[ -n "$NEW" ] || e2e_fail "no restarted instance"
WIN=$(e2e_wait_window "$NEW") || e2e_fail "restarted instance shows no window"
e2e_wait_for 5 sized "$WIN" 125 28 ||
    e2e_fail "after the reset the window is $(e2e_geometry "$WIN"), not 125x28"
e2e_shot "$SHOTS/skin_after_reset.png"
echo "skin_shape: ok"
