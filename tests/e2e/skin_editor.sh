#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A skin made in the skin editor as a user makes one: twelve pictures loaded
# through the "..." chooser, the buttons placed with the X and Y arrows, the
# skin saved, then chosen on the skins page for the running family; OK
# restarts the clock wearing it, and the clock shows, pixel for pixel, what
# the editor's preview showed.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb
APP="$E2E_WORK/app"
e2e_make_install "$APP"
PICS="$E2E_WORK/pictures"
SKIN="$E2E_WORK/myskin"
mkdir -p "$PICS" "$SKIN"

# The twelve pictures, patterned so that one drawn a pixel off or in another
# state's place shows. The mask is 1 bit deep: black (0) is shown, white (1)
# cut away, here a notch of 20 x 10 at the bottom right.
python3 - "$PICS" <<'PY'
import struct, sys
def bmp(path, w, h, bits, pixel):
    row = ((w * bits + 31) // 32) * 4
    palette = b"\0\0\0\0\xff\xff\xff\0" if bits == 1 else b""
    data = bytearray()
    for y in reversed(range(h)):
        line = bytearray(row)
        for x in range(w):
            if bits == 1:
                line[x // 8] |= pixel(x, y) << (7 - x % 8)
            else:
                line[3 * x:3 * x + 3] = bytes(reversed(pixel(x, y)))  # stored as BGR
        data += line
    offset = 54 + len(palette)
    with open(path, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset))
        f.write(struct.pack("<IiiHHIIiiII", 40, w, h, 1, bits, 0, len(data), 2835, 2835, 0, 0))
        f.write(palette + data)
folder = sys.argv[1]
bmp(f"{folder}/face.bmp", 150, 40, 24, lambda x, y: ((x * 7) & 255, (y * 13 + x) & 255, (x * y) & 255))
bmp(f"{folder}/mask.bmp", 150, 40, 1, lambda x, y: int(x >= 130 and y >= 30))
buttons = {"timer": (12, 12, ["of", "at", "dn", "on"]), "settings": (18, 16, ["of", "on", "dn"]),
           "close": (14, 14, ["of", "on", "dn"])}
for b, (name, (w, h, states)) in enumerate(buttons.items()):
    for s, state in enumerate(states):
        bmp(f"{folder}/{name}_{state}.bmp", w, h, 24,
            lambda x, y: (255 - b * 60, 40 * s + 3 * x, 9 * y + 50 * ((x + y) % 2)))
PY

named_shown() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
named_gone() { ! named_shown "$1"; }
windows() { xdotool search --onlyvisible --pid "$CLOCK_PID" 2>/dev/null | wc -l; }
# A message box: a third window of the clock.
third_shown() { [ "$(windows)" -ge 3 ]; }
third_gone() { [ "$(windows)" -eq 2 ]; }

# A failure with a picture of the screen as it was.
fail() {
    e2e_shot "$SHOTS/skin_editor_failed.png"
    e2e_fail "$@"
}
# A file chooser: the path typed into its name field, then Return.
choose_file() {
    local title=$1 path=$2
    e2e_wait_for 5 named_shown "$title" || fail "no chooser '$title'"
    xdotool key ctrl+a
    xdotool type --delay 5 "$path"
    xdotool key Return
    e2e_wait_for 5 named_gone "$title" || fail "the chooser '$title' did not take $path"
}
# A message box of the clock's own: answered with Return.
answer_message() {
    e2e_wait_for 5 third_shown || fail "no message after $1"
    e2e_shot "$SHOTS/skin_editor_message_$1.png"
    xdotool key Return
    e2e_wait_for 5 third_gone || fail "the message after $1 did not go"
}
# An entry of a combo box of the editor, by index: the wheel over the closed
# box steps through its entries as a choice each, first up to the top. (An
# opened list can take the opening click's release, under load, as a choice.)
choose() {
    local x y
    read -r x y < <(e2e_dialog_point skin_editor_page.ui "$1")
    xdotool mousemove --window "$DLG" "$x" "$y" click --repeat 8 --delay 20 4
    [ "$2" -eq 0 ] || xdotool click --repeat "$2" --delay 20 5
}

# 150 x 40 pixels of the screen at X,Y as NAME_raw.png, and as NAME.png with
# the parts in COVER painted over.
grab() {
    import -window root "$E2E_WORK/screen.png"
    convert "$E2E_WORK/screen.png" -crop "150x40+$1+$2" +repage "$E2E_WORK/$3_raw.png"
    convert "$E2E_WORK/$3_raw.png" -fill magenta "${COVER[@]}" "$E2E_WORK/$3.png"
}
# A key of a section of the saved description.
ksf_key() {
    awk -v s="[$1]" -v k="$2" -F= '{ sub(/\r$/, "") } /^\[/ { in_s = ($0 == s) } in_s && $1 == k { print $2 }' \
        "$SKIN/skin.ksf"
}

e2e_start_clock "$APP"
WIN=$(e2e_wait_window "$CLOCK_PID") || fail "no clock window"
e2e_open_dialog
OPENED=$(e2e_now_us)
e2e_dialog_click settings_dialog.ui s_editor
e2e_dialog_click skin_editor_page.ui b_new

# Objects of the list and states of each, in the order the lists give them.
OBJECT=0
load_picture() {
    local object=$1 state=$2 file=$3
    [ "$object" -eq "$OBJECT" ] || choose c_objects "$object"
    OBJECT=$object
    [ "$state" -eq 0 ] || choose c_state "$state"
    e2e_dialog_click skin_editor_page.ui b_file
    choose_file 'bmp\.\.\.$' "$PICS/$file.bmp"
}
load_picture 1 0 face
load_picture 2 0 mask
load_picture 3 0 timer_of
load_picture 3 1 timer_at
load_picture 3 2 timer_dn
load_picture 3 3 timer_on
load_picture 4 0 settings_of
load_picture 4 1 settings_on
load_picture 4 2 settings_dn
load_picture 5 0 close_of
load_picture 5 1 close_on
load_picture 5 2 close_dn

# A button's place: the up arrows of X and Y clicked that many times.
place() {
    local x y field count
    choose c_objects "$1"
    shift
    for field in a_x a_y; do
        count=$1
        shift
        read -r x y < <(e2e_dialog_point skin_editor_page.ui "$field" origin)
        xdotool mousemove --window "$DLG" $((x + 7)) $((y + 4)) click --repeat "$count" --delay 15 1
    done
}
place 3 6 22
place 4 24 4
place 5 132 4
# The window again, so that every button shows its normal picture.
choose c_objects 0
e2e_dialog_click skin_editor_page.ui b_save
choose_file 'для сохранения темы' "$SKIN/skin.ksf"
answer_message save
for f in skin.ksf face mask timer_of timer_at timer_dn timer_on settings_of settings_on settings_dn \
    close_of close_on close_dn; do
    [[ $f == *.ksf ]] || f=$f.bmp
    [ -f "$SKIN/$f" ] || fail "the saved skin lacks $f"
done
for place in ding:6:22 settings:24:4 close:132:4; do
    IFS=: read -r name l t <<<"$place"
    [ "$(ksf_key "rect.$name" l),$(ksf_key "rect.$name" t)" = "$l,$t" ] ||
        e2e_fail "[rect.$name] is not at $l,$t: $(cat "$SKIN/skin.ksf")"
done
# What may differ: the indicators' rectangles (the clock shows the time of
# day and an idle timer, the preview "00:00:00"; the clock also fits its time
# label to its text, which moves the centred text) and the notch the mask
# cuts away (the preview shows the face whole).
COVER=(-draw 'rectangle 130,30 149,39')
for name in time timer; do
    l=$(ksf_key "rect.$name" l) t=$(ksf_key "rect.$name" t)
    w=$(ksf_key "rect.$name" w) h=$(ksf_key "rect.$name" h)
    COVER+=(-draw "rectangle $l,$t $((l + w - 1)),$((t + h - 1))")
done

# The preview: the skin at its real size at the top-left corner of z_preview.
read -r DX DY _ _ < <(e2e_geometry "$DLG")
read -r PX PY < <(e2e_dialog_point skin_editor_page.ui z_preview origin)
# Taken once the dialog has painted again after the message: twice the same.
preview_settled() {
    grab "$((DX + PX))" "$((DY + PY))" preview
    sleep 0.2
    grab "$((DX + PX))" "$((DY + PY))" preview2
    [ "$(compare -metric AE "$E2E_WORK/preview.png" "$E2E_WORK/preview2.png" null: 2>&1)" = 0 ]
}
e2e_wait_for 5 preview_settled || fail "the preview does not settle"
e2e_shot "$SHOTS/skin_editor_built.png"
cp "$E2E_WORK/preview_raw.png" "$SHOTS/skin_editor_preview.png"

# The skins page: the saved skin loaded for the running family (NT, as no
# version store says otherwise), then OK.
e2e_dialog_click settings_dialog.ui s_skins
lock_open() { [ $(($(e2e_now_us) - OPENED)) -gt 6500000 ]; }
e2e_wait_for 10 lock_open
e2e_dialog_click skins_page.ui b_load_xp
choose_file 'skin\.ksf' "$SKIN/skin.ksf"
sleep 0.3 # only for the picture: the page shows the new skin's description
e2e_shot "$SHOTS/skin_editor_skins_page.png"
OLD_PID=$CLOCK_PID
e2e_dialog_click settings_dialog.ui c_ok
e2e_wait_for 5 e2e_ended "$OLD_PID" || fail "OK did not end the clock for its restart"
new_clock() { CLOCK_PID=$(pgrep -f "^$APP/koktd" | head -1) && [ -n "$CLOCK_PID" ]; }
e2e_wait_for 10 new_clock || fail "no clock after the restart"
WIN=$(e2e_wait_window "$CLOCK_PID") || fail "the restarted clock shows no window"
SETTINGS=$(tr -d '\r' <"$APP/kOkTD.KiF")
grep -qx 'XP_SkinExt=1' <<<"$SETTINGS" || fail "OK did not choose the external skin: $SETTINGS"
grep -qxF "XP_SkinPath=$SKIN/" <<<"$SETTINGS" || fail "OK stored another folder: $SETTINGS"

# The clock in its new skin, with the pointer away from its buttons.
xdotool mousemove 0 767
clock_sized() { read -r CX CY CW CH < <(e2e_geometry "$WIN") && [ "$CW $CH" = "150 40" ]; }
e2e_wait_for 5 clock_sized || fail "the clock is $(e2e_geometry "$WIN"), not the skin's 150 x 40"
DIFF=
worn_as_previewed() {
    grab "$CX" "$CY" clock
    DIFF=$(compare -metric AE "$E2E_WORK/preview.png" "$E2E_WORK/clock.png" null: 2>&1) || true
    [ "$DIFF" = 0 ]
}
e2e_wait_for 5 worn_as_previewed || {
    compare "$E2E_WORK/preview.png" "$E2E_WORK/clock.png" "$SHOTS/skin_editor_difference.png" || true
    cp "$E2E_WORK/clock_raw.png" "$SHOTS/skin_editor_clock.png"
    e2e_fail "$DIFF pixels of the clock differ from the preview"
}
e2e_shot "$SHOTS/skin_editor_worn.png"
cp "$E2E_WORK/clock_raw.png" "$SHOTS/skin_editor_clock.png"

# The notch is cut away: none of its pixels is the face's.
import -window root "$E2E_WORK/screen.png"
convert "$E2E_WORK/screen.png" -crop "20x10+$((CX + 130))+$((CY + 30))" +repage "$E2E_WORK/notch_clock.png"
convert "$PICS/face.bmp" -crop 20x10+130+30 +repage "$E2E_WORK/notch_face.png"
NOTCH=$(compare -metric AE "$E2E_WORK/notch_face.png" "$E2E_WORK/notch_clock.png" null: 2>&1) || true
[ "$NOTCH" = 200 ] || fail "only $NOTCH of the notch's 200 pixels are cut away"
# The choosers kept their state in memory, not in Qt's shared QtProject.conf.
[ -z "$(find "$HOME" "$XDG_CONFIG_HOME" -name QtProject.conf)" ] || fail "the file choosers wrote QtProject.conf"
echo "PASS"
