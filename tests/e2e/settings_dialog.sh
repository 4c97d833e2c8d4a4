#!/usr/bin/env bash
# The Settings dialog as a user drives it: a double click on the clock opens it
# on the options page; OK stores a changed chime option and changes nothing
# else; the autostart box creates and removes the desktop entry at once; a
# picture of every page.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb
APP="$E2E_WORK/app"
e2e_make_install "$APP"
export XDG_CONFIG_HOME="$E2E_WORK/config"
FORMS="$(dirname "$0")/../../src/dialog"
ENTRY="$XDG_CONFIG_HOME/autostart/kOk DIAL TD.desktop"

# Widgets are clicked where their form file puts them; a page's widgets sit
# in the frame's page stack.
read -r PAGE_X PAGE_Y < <(e2e_ui_center "$FORMS/settings_dialog.ui" tabs origin)
click() {
    local x y
    read -r x y < <(e2e_ui_center "$FORMS/$1" "$2") || e2e_fail "no $2 in $1"
    if [ "$1" != settings_dialog.ui ]; then x=$((x + PAGE_X)) y=$((y + PAGE_Y)); fi
    xdotool mousemove --window "$DLG" "$x" "$y" click 1
}
dialog_window() { xdotool search --onlyvisible --name '^kOk DIAL TD :::' 2>/dev/null | head -1; }
dialog_shown() { [ -n "$(dialog_window)" ]; }
dialog_gone() { ! dialog_shown; }
open_by_double_click() {
    local x y w h
    read -r x y w h < <(e2e_geometry "$WIN")
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) click --repeat 2 --delay 60 1
    e2e_wait_for 5 dialog_shown || e2e_fail "a double click on the clock opened no dialog"
    DLG=$(dialog_window)
}
press_ok() {
    click settings_dialog.ui c_ok
    e2e_wait_for 5 dialog_gone || e2e_fail "OK did not close the dialog"
}

STARTED=$(e2e_now_us)
e2e_start_clock "$APP"
WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "no clock window"

open_by_double_click
TITLE=$(xdotool getwindowname "$DLG")
[ "$TITLE" = "kOk DIAL TD ::: настройки ::: параметры программы" ] ||
    e2e_fail "the dialog opened with the caption '$TITLE'"
e2e_shot "$SHOTS/dialog_options.png"

# OK opens six seconds after the start.
lock_open() { [ $(($(e2e_now_us) - STARTED)) -gt 6500000 ]; }
e2e_wait_for 10 lock_open
press_ok
cp "$APP/kOkTD.KiF" "$E2E_WORK/before.KiF"

open_by_double_click
click options_page.ui o_hour
press_ok
CHANGES=$(diff <(tr -d '\r' <"$E2E_WORK/before.KiF") <(tr -d '\r' <"$APP/kOkTD.KiF") | grep '^[<>]' || true)
[ "$CHANGES" = $'< Use=0\n> Use=1' ] || e2e_fail "OK changed more than the chime option: $CHANGES"
awk '/^\[/{s=$0} /^Use=1/{print s}' "$APP/kOkTD.KiF" | tr -d '\r' | grep -qx '\[kOk:TD:Hour\]' ||
    e2e_fail "the chime option is not in its section"

# The autostart box acts at once, without OK.
open_by_double_click
click options_page.ui o_autostart
e2e_wait_for 5 test -f "$ENTRY" || e2e_fail "ticking autostart made no desktop entry"
grep -qF "Exec=\"$APP/koktd\" /autorun" "$ENTRY" || e2e_fail "wrong entry: $(cat "$ENTRY")"
click options_page.ui o_autostart
e2e_wait_for 5 test ! -e "$ENTRY" || e2e_fail "clearing autostart left the entry"

# A picture of every page.
for section in options alarm countdown timer message skins editor info; do
    click settings_dialog.ui "s_$section"
    sleep 0.3
    import -window "$DLG" "$SHOTS/dialog_page_$section.png"
done
click settings_dialog.ui c_cancel
e2e_wait_for 5 dialog_gone || e2e_fail "Cancel did not close the dialog"
echo "PASS"
