#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, for every user of one machine: cpack builds it from the
# build folder with computed dependencies, and lintian finds no error in it.
# It is unpacked into a throwaway root and its maintainer script run there.
# Root starts the installed command first, as `sudo koktd` would, opens the
# Settings and presses OK: the program folder, writable for root, stays as it
# was, and root's files are in root's own $XDG_DATA_HOME/koktd. Then an
# ordinary user, for whom the program folder is not writable, starts the
# installed command, sets an alarm for 08:00 on the alarm page and presses OK:
# the Settings file is in the user's $XDG_DATA_HOME/koktd, and nothing has
# been written under the program folder. A second start, at 07:59:50, reads
# the alarm back: it shows the Message bar.
source "$(dirname "$0")/lib.sh"
e2e_need_faketime
BUILD=$(cd "$E2E_BIN_DIR/.." && pwd)
command -v lintian >/dev/null || e2e_fail "lintian is not installed (scripts/install-deps.sh)"

cpack --config "$BUILD/CPackConfig.cmake" -G DEB -B "$E2E_WORK/deb" >"$E2E_WORK/cpack.log" 2>&1 ||
    { cat "$E2E_WORK/cpack.log" >&2; e2e_fail "cpack failed"; }
DEB=$(ls "$E2E_WORK"/deb/koktd_*.deb)
DEPENDS=$(dpkg-deb -f "$DEB" Depends)
[[ $DEPENDS == *libqt6widgets6* && $DEPENDS == *libsndfile1* ]] || e2e_fail "Depends: $DEPENDS"
lintian --no-cfg "$DEB" >"$E2E_WORK/lintian.log" 2>&1 || true
cat "$E2E_WORK/lintian.log"
! grep -q '^E: ' "$E2E_WORK/lintian.log" || e2e_fail "lintian reports errors"

# The throwaway root: the package's files, root's and read-only to others.
ROOTFS="$E2E_WORK/root"
dpkg-deb -x "$DEB" "$ROOTFS"
dpkg-deb -e "$DEB" "$E2E_WORK/control"
DPKG_ROOT=$ROOTFS sh "$E2E_WORK/control/postinst" configure || e2e_fail "postinst failed"
! command -v update-desktop-database >/dev/null || [ -f "$ROOTFS/usr/share/applications/mimeinfo.cache" ] ||
    e2e_fail "postinst did not refresh the menu cache in the root it was given"
PROGRAM="$ROOTFS/usr/lib/koktd"
[ -x "$PROGRAM/koktd" ] && [ "$(readlink "$ROOTFS/usr/bin/koktd")" = ../lib/koktd/koktd ] ||
    e2e_fail "no /usr/lib/koktd/koktd with /usr/bin/koktd beside it"
[ "$(sed -n 's/^Exec=//p' "$ROOTFS/usr/share/applications/org.example.koktd.desktop")" = koktd ] ||
    e2e_fail "the menu entry does not start the command koktd"
[ -f "$PROGRAM/shared-install" ] || e2e_fail "the package marks no shared install in $PROGRAM"
listing() { (cd "$ROOTFS" && find . -printf '%p %m %s %T@\n' | LC_ALL=C sort); }
BEFORE=$(listing)
e2e_start_xvfb

start_at() { # the faked time of day, then the user's data folder
    e2e_start_clock_at "$1" "${AS_USER[@]}" env XDG_DATA_HOME="$2" "$ROOTFS/usr/bin/koktd"
}

AS_USER=()
if [ "$(id -u)" -eq 0 ]; then
    # Root, with the Settings opened by a double click and saved with OK.
    ROOT_DATA="$E2E_WORK/root-data"
    start_at 07:00:00 "$ROOT_DATA"
    e2e_open_dialog
    STARTED=$(e2e_now_us) # OK opens some seconds after the dialog shows
    e2e_wait_for 10 e2e_lock_open
    e2e_dialog_click settings_dialog.ui c_ok
    e2e_wait_for 30 e2e_dialog_gone || e2e_fail "OK did not close root's dialog"
    [ -f "$ROOT_DATA/koktd/kOkTD.KiF" ] || e2e_fail "root's OK saved nothing in $ROOT_DATA/koktd"
    [ "$(listing)" = "$BEFORE" ] || e2e_fail "root wrote under the program folder: $(diff <(echo "$BEFORE") <(listing) | grep '^[<>]')"
    e2e_stop_clock
    echo "root's OK saved $ROOT_DATA/koktd/kOkTD.KiF, nothing under the program folder"
else
    echo "not root: the root run is skipped"
fi

# An ordinary user: nobody, when the test runs as root; else this user, with
# the root's write permissions taken away.
if [ "$(id -u)" -eq 0 ]; then
    AS_USER=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
    chmod 755 "$E2E_WORK"
    chown -R 65534:65534 "$HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME" \
        "$XDG_RUNTIME_DIR" "$KOKTD_LOCK_DIR"
else
    chmod -R a-w "$ROOTFS"
fi
! "${AS_USER[@]}" test -w "$PROGRAM" || e2e_fail "the program folder is writable for the user"
BEFORE=$(listing)

start_at 07:00:00 "$XDG_DATA_HOME"
e2e_open_alarm_page
# The dialog settles (its OK opens) before the fields are typed into.
e2e_wait_for 10 e2e_lock_open
for field in "e_hrs_alarm 8" "e_min_alarm 0"; do
    read -r name value <<<"$field"
    e2e_dialog_click alarm_page.ui "$name"
    xdotool key ctrl+a
    xdotool type "$value"
done
e2e_press_ok

SETTINGS="$XDG_DATA_HOME/koktd/kOkTD.KiF"
[ -f "$SETTINGS" ] || e2e_fail "no Settings file in $XDG_DATA_HOME/koktd: $(find "$XDG_DATA_HOME" "$HOME")"
for line in 0_Use=1 0_Hour=8 0_Minute=0; do
    tr -d '\r' <"$SETTINGS" | grep -qx "$line" || e2e_fail "OK did not store $line: $(tr -d '\r' <"$SETTINGS")"
done
[ "$(stat -c %a "$XDG_DATA_HOME/koktd")" = 700 ] || e2e_fail "$XDG_DATA_HOME/koktd is not private"
[ "$(listing)" = "$BEFORE" ] || e2e_fail "written under the root: $(diff <(echo "$BEFORE") <(listing) | grep '^>')"
echo "OK saved the alarm in $SETTINGS, nothing under the program folder"
e2e_stop_clock

start_at 07:59:50 "$XDG_DATA_HOME"
e2e_wait_for 20 e2e_top_strip || e2e_fail "the second start shows no Message bar: $(e2e_geometry "$WIN")"
[ "$(listing)" = "$BEFORE" ] || e2e_fail "the second start wrote under the root"
e2e_shot "$SHOTS/package_bar.png"
e2e_stop_clock

# Purging, after dpkg has taken the package's own files, takes away what
# versions before the shared install left in the program folder, and the
# folder with them.
chmod -R u+w "$ROOTFS"
find "$PROGRAM" -mindepth 1 -delete
mkdir "$PROGRAM/SKINS"
printf '[kOk:TD]\r\n' >"$PROGRAM/kOkTD.KiF"
printf '[kOk:TD:Timer:tmr]\r\n' >"$PROGRAM/kOkTD.timer"
DPKG_ROOT=$ROOTFS sh "$E2E_WORK/control/postrm" purge || e2e_fail "postrm purge failed"
[ ! -e "$PROGRAM" ] || e2e_fail "purge left $(find "$PROGRAM")"
echo "PASS"
