#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# First start in a program folder that holds only what the install puts there:
# the clock shows the "ext" skin at its default place and writes nothing; the
# first right click stores its place, and only that, in a new Settings file;
# "Выход" ends it with exit code 0 and leaves the folder as it was. No
# temporary file is left at any step, and nothing is written outside the
# program folder.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb
APP="$E2E_WORK/app"
e2e_make_install "$APP"
KIF="$APP/kOkTD.KiF"

listing() { (cd "$APP" && find . -mindepth 1 | LC_ALL=C sort); }
INSTALLED=$(listing)
expect_files() { # what step, the listing expected
    local now
    now=$(listing)
    [ "$now" = "$2" ] || e2e_fail "$1: the program folder changed: $(diff <(echo "$2") <(echo "$now") | grep '^[<>]')"
    # The user's folders, all private to this test (lib.sh).
    now=$(find "$HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME" -mindepth 1)
    [ -z "$now" ] || e2e_fail "$1: files outside the program folder: $now"
}

e2e_start_clock "$APP"
WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "no clock window"
e2e_wait_for 5 e2e_at_default_place "$WIN" ||
    e2e_fail "not at the default place: x y width height = $(e2e_geometry "$WIN")"
# The built-in "ext" skin: 125 x 28, cut to its 124 x 27 mask ("def" is 126 x 18).
read -r X Y W H < <(e2e_geometry "$WIN")
[ "$W $H" = "125 28" ] || e2e_fail "the window is ${W}x${H}, not the 125x28 of the ext skin"
xwininfo -shape -id "$WIN" | grep -q "Window shape extents:  124x27+0+0" ||
    e2e_fail "no ext shape: $(xwininfo -shape -id "$WIN" | grep -i extents)"

# Once the clock ticks its start is over: the indicator has been redrawn.
import -window "$WIN" "$E2E_WORK/a.png"
ticked() {
    import -window "$WIN" "$E2E_WORK/b.png"
    [ "$(compare -metric AE "$E2E_WORK/a.png" "$E2E_WORK/b.png" null: 2>&1 | cut -d' ' -f1)" != 0 ]
}
e2e_wait_for 3 ticked || e2e_fail "the clock does not tick"
e2e_shot "$SHOTS/first_start.png"
expect_files "after the start" "$INSTALLED"

# A right click on the face opens the menu and stores the place.
e2e_open_menu $((X + 14)) $((Y + 20))
e2e_wait_for 3 test -s "$KIF" || e2e_fail "the right click stored no place"
CONTENT=$(tr -d '\r' <"$KIF")
[ "$CONTENT" = "$(printf '[kOk:TD]\nPosX=%d\nPosY=%d' "$X" "$Y")" ] ||
    e2e_fail "the first Settings file holds more or less than the place: $CONTENT"
expect_files "after the right click" "$(printf '%s\n./kOkTD.KiF' "$INSTALLED" | LC_ALL=C sort)"
cp "$KIF" "$E2E_WORK/after_click.KiF"

# "Выход" is the last item of the open menu.
xdotool key Up Return
e2e_wait_for 5 e2e_ended "$CLOCK_PID" || e2e_fail "Выход did not end the clock"
RC=0
wait "$CLOCK_PID" || RC=$?
[ "$RC" -eq 0 ] || e2e_fail "the clock ended with exit code $RC"
cmp -s "$KIF" "$E2E_WORK/after_click.KiF" || e2e_fail "Выход changed the Settings file"
expect_files "after Выход" "$(printf '%s\n./kOkTD.KiF' "$INSTALLED" | LC_ALL=C sort)"
echo "PASS"
