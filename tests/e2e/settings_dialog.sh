#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Settings dialog as a user drives it: a double click on the clock opens it
# on the options page; OK stores a changed chime option and changes nothing
# else; the autostart box creates and removes the desktop entry at once; a
# picture of every page.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb
APP="$E2E_WORK/app"
e2e_make_install "$APP"
export XDG_CONFIG_HOME="$E2E_WORK/config"
ENTRY="$XDG_CONFIG_HOME/autostart/kOk DIAL TD.desktop"


STARTED=$(e2e_now_us)
e2e_start_clock "$APP"
WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "no clock window"

e2e_open_dialog
TITLE=$(xdotool getwindowname "$DLG")
[ "$TITLE" = "kOk DIAL TD ::: настройки ::: параметры программы" ] ||
    e2e_fail "the dialog opened with the caption '$TITLE'"
e2e_shot "$SHOTS/dialog_options.png"

# OK opens six seconds after the start.
e2e_wait_for 10 e2e_lock_open
e2e_press_ok
cp "$APP/kOkTD.KiF" "$E2E_WORK/before.KiF"

e2e_open_dialog
e2e_dialog_click options_page.ui o_hour
e2e_press_ok
CHANGES=$(diff <(tr -d '\r' <"$E2E_WORK/before.KiF") <(tr -d '\r' <"$APP/kOkTD.KiF") | grep '^[<>]' || true)
[ "$CHANGES" = $'< Use=0\n> Use=1' ] || e2e_fail "OK changed more than the chime option: $CHANGES"
awk '/^\[/{s=$0} /^Use=1/{print s}' "$APP/kOkTD.KiF" | tr -d '\r' | grep -qx '\[kOk:TD:Hour\]' ||
    e2e_fail "the chime option is not in its section"

# The autostart box acts at once, without OK.
e2e_open_dialog
e2e_dialog_click options_page.ui o_autostart
e2e_wait_for 5 test -f "$ENTRY" || e2e_fail "ticking autostart made no desktop entry"
grep -qF "Exec=\"$APP/koktd\" /autorun" "$ENTRY" || e2e_fail "wrong entry: $(cat "$ENTRY")"
e2e_dialog_click options_page.ui o_autostart
e2e_wait_for 5 test ! -e "$ENTRY" || e2e_fail "clearing autostart left the entry"

# A picture of every page.
for section in options alarm countdown timer message skins editor info; do
    e2e_dialog_click settings_dialog.ui "s_$section"
    sleep 0.3
    import -window "$DLG" "$SHOTS/dialog_page_$section.png"
done
e2e_dialog_click settings_dialog.ui c_cancel
e2e_wait_for 5 e2e_dialog_gone || e2e_fail "Cancel did not close the dialog"
kill "$CLOCK_PID"
wait "$CLOCK_PID" 2>/dev/null || true

# A program folder that cannot be written: opening the dialog says so, and
# OK stays off for good. Root writes anywhere, so root runs the clock as nobody.
RO="$E2E_WORK/readonly"
e2e_make_install "$RO"
chmod -R a+rX "$RO"
chmod 555 "$RO"
AS_USER=()
if [ "$(id -u)" -eq 0 ]; then
    chmod o+x "$E2E_WORK"
    chmod 777 "$KOKTD_LOCK_DIR" "$XDG_CONFIG_HOME"
    export XDG_RUNTIME_DIR="$E2E_WORK/runtime-nobody"
    mkdir -p "$XDG_RUNTIME_DIR"
    chown 65534:65534 "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    AS_USER=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
STARTED=$(e2e_now_us)
"${AS_USER[@]}" "$RO/koktd" >>"$E2E_WORK/clock.log" 2>&1 &
CLOCK_PID=$!
E2E_PIDS+=($CLOCK_PID)
WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "no clock window from a read-only folder"
# A click on the face would try to store the clock's place and say it cannot;
# the settings button of the built-in skin (19 x 19 at 92,3) opens the dialog.
read -r X Y _ _ < <(e2e_geometry "$WIN")
xdotool mousemove $((X + 101)) $((Y + 12)) click 1
e2e_wait_for 5 e2e_dialog_shown || e2e_fail "the settings button opened no dialog"
DLG=$(e2e_dialog_window)
windows() { xdotool search --onlyvisible --pid "$CLOCK_PID" 2>/dev/null | wc -l; }
message_shown() { [ "$(windows)" -ge 3 ]; }
e2e_wait_for 5 message_shown || e2e_fail "no message about the read-only folder"
e2e_shot "$SHOTS/dialog_read_only.png"
xdotool key Return
e2e_wait_for 5 test "$(windows)" -eq 2 || e2e_fail "the message did not go"
e2e_wait_for 10 e2e_lock_open
e2e_dialog_click settings_dialog.ui c_ok
sleep 0.5
e2e_dialog_shown || e2e_fail "OK worked in the read-only state"
[ ! -e "$RO/kOkTD.KiF" ] || e2e_fail "a settings file appeared in the read-only folder"
e2e_dialog_click settings_dialog.ui c_cancel
e2e_wait_for 5 e2e_dialog_gone || e2e_fail "Cancel did not close the read-only dialog"
echo "PASS"
