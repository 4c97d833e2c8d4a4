#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The clock on a screen scaled by 2: the window is the skin doubled at its
# default place, cut to the mask doubled, its pictures doubled pixel by pixel
# (no smoothing across the edge of the shape); the pointer over a cut-away
# corner is not over the clock; the settings button works where it is drawn
# and opens the dialog at twice its size; a drag snaps to the edge and stores
# the position in unscaled pixels, and a scale that comes from the X resources puts the
# clock at the same place.
source "$(dirname "$0")/lib.sh"

SKINS="$(dirname "$0")/../../resources/skins"
ROOT='#ff00ff' # a colour no skin uses, to tell the cut-away parts
e2e_start_xvfb 2048x1536 # 1024 x 768 pixels of the program's own
xsetroot -solid "$ROOT"
APP="$E2E_WORK/app"
e2e_make_install "$APP"
KIF="$APP/kOkTD.KiF"
: >"$KIF"

export QT_SCALE_FACTOR=2
e2e_start_clock "$APP"
WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "no clock window"
# "ext" is 125 x 28; its default place is 70 pixels left of the right edge.
X0=$((2048 - 250 - 140))
placed() { [ "$(e2e_geometry "$WIN")" = "$1 $2 250 56" ]; }
e2e_wait_for 5 placed "$X0" 0 || e2e_fail "window at $(e2e_geometry "$WIN"), expected 250x56 at $X0,0"

# The slanted left end, up to the time text: face and mask doubled, the root
# colour where the mask cuts. Any smoothing or a shape off by a pixel differs.
SHOT="$SHOTS/hidpi_ext.png"
expect_pixels() { # what, screen crop WxH+X+Y, expected picture
    local got="$E2E_WORK/got.png" n
    import -window root -crop "$2" +repage "$got"
    n=$(compare -metric AE "$got" "$3" null: 2>&1 | cut -d' ' -f1) || true
    [ "$n" = 0 ]
}
convert \( "$SKINS/EXT_FACE.bmp" -sample 200% \) \( "$SKINS/EXT_MASK.bmp" -sample 200% -negate \) \
    -alpha off -compose CopyOpacity -composite -background "$ROOT" -compose Over -flatten \
    -extent 250x56 -crop 48x56+0+0 +repage "$E2E_WORK/ext_left.png"
e2e_wait_for 3 expect_pixels face "48x56+$X0+0" "$E2E_WORK/ext_left.png" ||
    e2e_fail "the left end differs from face and mask doubled in $(compare -metric AE \
        "$E2E_WORK/got.png" "$E2E_WORK/ext_left.png" null: 2>&1) pixels"
e2e_shot "$SHOT"

# The pointer over a cut-away corner is over the root window, inside over the clock.
pointer_window() {
    xdotool mousemove "$1" "$2"
    xdotool getmouselocation | sed 's/.*window://'
}
[ "$(pointer_window "$X0" 0)" != "$WIN" ] || e2e_fail "the cut-away corner takes the pointer"
[ "$(pointer_window $((X0 + 24)) 40)" = "$WIN" ] || e2e_fail "the face does not take the pointer"

# The settings button (92,3, 19 x 19): hovered, it shows its over picture
# doubled; clicked, it opens the dialog at twice its 600 x 235.
BX=$((X0 + 184)) BY=6
convert "$SKINS/EXT_SETTINGS_ON.bmp" -sample 200% "$E2E_WORK/settings_on.png"
xdotool mousemove $((BX + 19)) $((BY + 19))
e2e_wait_for 3 expect_pixels over "38x38+$BX+$BY" "$E2E_WORK/settings_on.png" ||
    e2e_fail "no doubled over picture on the settings button"
xdotool click 1
e2e_wait_for 5 e2e_dialog_shown || e2e_fail "the settings button did not open the dialog"
DLG=$(e2e_dialog_window)
dialog_doubled() { read -r _ _ DW DH < <(e2e_geometry "$DLG") && [ "$DW $DH" = "1200 470" ]; }
e2e_wait_for 3 dialog_doubled || e2e_fail "dialog is $(e2e_geometry "$DLG"), not 1200x470"
e2e_shot "$SHOTS/hidpi_dialog.png"
read -r CX CY < <(e2e_dialog_point settings_dialog.ui c_cancel)
xdotool mousemove --window "$DLG" $((CX * 2)) $((CY * 2)) click 1
e2e_wait_for 5 e2e_dialog_gone || e2e_fail "Cancel at its doubled place did not close the dialog"

# A drag by the face to 10 pixels short of the right edge (20 on the screen)
# snaps onto it: 899,150 stored, 1798,300 on the screen.
GX=24 GY=40 TX=$((2 * (1024 - 125 - 10))) TY=300
xdotool mousemove $((X0 + GX)) $((0 + GY)) mousedown 1
for i in $(seq 1 8); do
    xdotool mousemove $((X0 + GX + (TX - X0) * i / 8)) $((GY + TY * i / 8))
    sleep 0.05
done
e2e_wait_for 2 placed 1798 300 || true
xdotool mouseup 1
stored() { [ "$(e2e_ini_value "$KIF" kOk:TD PosX) $(e2e_ini_value "$KIF" kOk:TD PosY)" = "899 150" ]; }
e2e_wait_for 3 stored || e2e_fail "after the drag the window is at $(e2e_geometry "$WIN"), stored" \
    "PosX=$(e2e_ini_value "$KIF" kOk:TD PosX) PosY=$(e2e_ini_value "$KIF" kOk:TD PosY), expected 899 150"
placed 1798 300 || e2e_fail "after the drag the window is at $(e2e_geometry "$WIN"), not 1798,300"
kill "$CLOCK_PID"
wait "$CLOCK_PID" 2>/dev/null || true

# The scale a screen of 192 dpi gives through the X resources.
unset QT_SCALE_FACTOR
echo 'Xft.dpi: 192' | xrdb -merge
e2e_start_clock "$APP"
WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "no clock window at 192 dpi"
e2e_wait_for 5 placed 1798 300 ||
    e2e_fail "at 192 dpi the window is at $(e2e_geometry "$WIN"), not 250x56 at 1798,300"
echo "hidpi: ok"
