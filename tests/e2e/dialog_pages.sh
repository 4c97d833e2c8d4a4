#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every page of the Settings dialog saves through OK: one change on each of
# the options, alarm, countdown, stopwatch, message and skins pages, made
# with the mouse or the keyboard, and after OK exactly the keys those changes
# stand for differ in the Settings file, with the values chosen (and those
# the pages tie to them); nothing else does.
source "$(dirname "$0")/lib.sh"
e2e_start_xvfb
APP="$E2E_WORK/app"
e2e_make_install "$APP"
KIF="$APP/kOkTD.KiF"

# Every value of an INI file as "section/key=value", sorted.
flat() { tr -d '\r' <"$1" | awk '/^\[/ { s = $0; next } NF { print s "/" $0 }' | LC_ALL=C sort; }

STARTED=$(e2e_now_us)
e2e_start_clock "$APP"
WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "no clock window"

# A first OK writes every key of every page, as they stand.
e2e_open_dialog
e2e_wait_for 10 e2e_lock_open
e2e_press_ok
flat "$KIF" >"$E2E_WORK/before"

e2e_open_dialog
e2e_dialog_click options_page.ui o_priority
e2e_dialog_click settings_dialog.ui s_alarm
# The hour of the first slot, typed over; a change to a slot also switches it on.
e2e_dialog_click alarm_page.ui e_hrs_alarm
xdotool key ctrl+a type 7
e2e_dialog_click settings_dialog.ui s_countdown
e2e_dialog_click countdown_page.ui o_sound_cdn
# The timer button's mode: pause and resume rather than stop and reset.
e2e_dialog_click settings_dialog.ui s_timer
e2e_dialog_click stopwatch_page.ui o_pause
e2e_dialog_click settings_dialog.ui s_message
# The centre strip comes with its own font, size and height.
e2e_dialog_click message_page.ui o_center
# The other skin family's choice: the running skin stays, so no restart.
e2e_dialog_click settings_dialog.ui s_skins
e2e_dialog_click skins_page.ui o_default_98
import -window "$DLG" "$SHOTS/dialog_pages_skins.png"
e2e_press_ok
flat "$KIF" >"$E2E_WORK/after"

CHANGES=$(diff "$E2E_WORK/before" "$E2E_WORK/after" | grep '^[<>]' || true)
EXPECTED='< [kOk:TD:Alarms]/0_Hour=12
< [kOk:TD:Alarms]/0_Use=0
< [kOk:TD:Message]/Font=1
< [kOk:TD:Message]/Height=18
< [kOk:TD:Message]/Size=7
< [kOk:TD:Message]/atCenter=0
< [kOk:TD:Message]/atTop=1
< [kOk:TD:Skins]/9X_SkinName=ext
< [kOk:TD:Timer]/Sound=0
< [kOk:TD:Timer]/Terminate=1
< [kOk:TD]/Priority=0
---
> [kOk:TD:Alarms]/0_Hour=7
> [kOk:TD:Alarms]/0_Use=1
> [kOk:TD:Message]/Font=0
> [kOk:TD:Message]/Height=250
> [kOk:TD:Message]/Size=20
> [kOk:TD:Message]/atCenter=1
> [kOk:TD:Message]/atTop=0
> [kOk:TD:Skins]/9X_SkinName=def
> [kOk:TD:Timer]/Sound=1
> [kOk:TD:Timer]/Terminate=0
> [kOk:TD]/Priority=1'
CHANGES=$( (grep '^<' <<<"$CHANGES"; echo ---; grep '^>' <<<"$CHANGES") || true)
[ "$CHANGES" = "$EXPECTED" ] || e2e_fail "OK changed other keys than expected:
$CHANGES"
# A restart would end this process a moment after the dialog closed.
! e2e_wait_for 2 e2e_ended "$CLOCK_PID" || e2e_fail "the clock restarted after a change of the other family's skin"
echo "PASS"
