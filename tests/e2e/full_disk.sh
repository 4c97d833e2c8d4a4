#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A full disk during OK: the program folder is on a small tmpfs (the program
# finds its files beside its executable, so the executable goes there too),
# the disk fills up while the Settings dialog is open, and OK says that the
# settings were not saved, leaves the Settings file byte for byte as it was
# and no temporary file behind. Once there is room again, OK saves.
# Mounting needs root: skipped (77) otherwise.
source "$(dirname "$0")/lib.sh"
[ "$(id -u)" -eq 0 ] || { echo "SKIP: mounting a tmpfs needs root"; exit 77; }

DISK="$E2E_WORK/disk"
mkdir -p "$DISK"
# The program and a megabyte for its files.
e2e_make_install "$E2E_WORK/measure"
mount -t tmpfs -o size=$(($(du -sk "$E2E_WORK/measure" | cut -f1) + 1024))k koktd-e2e "$DISK" ||
    { echo "SKIP: cannot mount a tmpfs here"; exit 77; }
unmount_disk() {
    if [ -n "$CLOCK_PID" ]; then
        kill "$CLOCK_PID" 2>/dev/null || true
        wait "$CLOCK_PID" 2>/dev/null || true
    fi
    umount "$DISK" || umount -l "$DISK" || true
    e2e_cleanup
}
trap unmount_disk EXIT
CLOCK_PID=
e2e_start_xvfb
APP="$DISK/app"
e2e_make_install "$APP"
KIF="$APP/kOkTD.KiF"
printf '[kOk:TD]\r\nPosX=300\r\nPosY=200\r\n' >"$KIF"
cp "$KIF" "$E2E_WORK/before.KiF"
listing() { (cd "$APP" && find . -mindepth 1 | LC_ALL=C sort); }
INSTALLED=$(listing)

STARTED=$(e2e_now_us)
e2e_start_clock "$APP"
WIN=$(e2e_wait_window "$CLOCK_PID") || e2e_fail "no clock window"
e2e_wait_for 5 e2e_at "$WIN" 300 200 || e2e_fail "not at its place: $(e2e_geometry "$WIN")"
e2e_open_dialog
e2e_dialog_click options_page.ui o_priority
# OK opens six seconds after the start.
e2e_wait_for 10 e2e_lock_open

cat /dev/zero >"$APP/fill" 2>/dev/null && e2e_fail "the disk did not fill up"
e2e_dialog_click settings_dialog.ui c_ok
# The message comes over the dialog; its text is read from its picture.
message_box() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$CLOCK_PID" 2>/dev/null); do
        [ "$w" = "$WIN" ] || [ "$w" = "$DLG" ] || { echo "$w"; return 0; }
    done
    return 1
}
BOX=$(e2e_wait_for 5 message_box && message_box) || e2e_fail "no message after OK on a full disk"
e2e_shot "$SHOTS/full_disk_message.png"
EXPECTED="Возникла проблема при попытке записать файл на диск. Возможно, программа запущена с диска, \
запись на который запрещена. Сохранение настроек отменено."
box_text() {
    import -window "$BOX" "$E2E_WORK/box.png"
    convert "$E2E_WORK/box.png" -colorspace gray -scale 300% "$E2E_WORK/box.png"
    tesseract "$E2E_WORK/box.png" - -l rus 2>/dev/null | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'
}
# The text, then the OK button.
says_expected() { [[ "$(box_text)" == "$EXPECTED "* ]]; }
# Until the box has drawn its text.
e2e_wait_for 5 says_expected || e2e_fail "the message says: $(box_text)"
xdotool windowfocus --sync "$BOX" key Return
e2e_wait_for 5 e2e_dialog_gone || e2e_fail "the dialog stayed after the message"
cmp -s "$KIF" "$E2E_WORK/before.KiF" || e2e_fail "the failed OK changed the Settings file: $(cat -A "$KIF")"
[ "$(listing)" = "$(printf '%s\n./fill' "$INSTALLED" | LC_ALL=C sort)" ] ||
    e2e_fail "files left by the failed OK: $(listing)"

# Room again: OK saves.
rm "$APP/fill"
e2e_open_dialog
e2e_dialog_click options_page.ui o_priority
e2e_press_ok
[ "$(e2e_ini_value "$KIF" kOk:TD Priority)" = 1 ] || e2e_fail "OK did not save with room on the disk"
[ "$(listing)" = "$INSTALLED" ] || e2e_fail "files left by OK: $(listing)"
echo "PASS"
