#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The user's install, in a home folder of its own with a blank in its path:
# scripts/install.sh refuses folders that are not its own and menu entries of
# others before installing anything; it installs the built program and
# registers its menu entry; the entry starts the installed clock; installing
# again keeps the user's files; uninstall takes away what install added but
# keeps the settings and the user's folders, and --purge takes the settings
# too.
source "$(dirname "$0")/lib.sh"
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
export HOME="$E2E_WORK/home of user"
export XDG_DATA_HOME="$HOME/.local/share" XDG_CONFIG_HOME="$HOME/.config"
export KOKTD_BUILD_DIR="$E2E_BIN_DIR/.."
unset KOKTD_PREFIX
PREFIX="$HOME/.local/opt/koktd"
ENTRY="$XDG_DATA_HOME/applications/org.example.koktd.desktop"
AUTOSTART="$XDG_CONFIG_HOME/autostart/kOk DIAL TD.desktop"
mkdir -p "$XDG_CONFIG_HOME/autostart"

run() {
    "$@" >"$E2E_WORK/script.log" 2>&1 || { cat "$E2E_WORK/script.log" >&2; e2e_fail "$* failed"; }
}
# Files and links below a folder, one relative path a line.
files_in() { (cd "$1" && find . -mindepth 1 -not -type d | sort); }

# A refused install leaves the home folder as it was: a prefix holding the
# user's data folder, a prefix full of other files, a menu entry in the way.
mkdir "$HOME/papers"
echo "mine" >"$HOME/papers/letter.txt"
for prefix in "$HOME/.local" "$HOME/papers" "$PREFIX"; do
    [ "$prefix" != "$PREFIX" ] || { mkdir -p "$(dirname "$ENTRY")" && echo "other" >"$ENTRY"; }
    BEFORE=$(cd "$HOME" && find . | sort)
    ! KOKTD_PREFIX=$prefix bash "$ROOT/scripts/install.sh" >"$E2E_WORK/script.log" 2>&1 ||
        e2e_fail "installed into $prefix"
    [ "$(cd "$HOME" && find . | sort)" = "$BEFORE" ] || e2e_fail "the refused install into $prefix left files"
done
rm -r "$HOME/papers" "$HOME/.local"
echo "refused installs leave nothing"

run bash "$ROOT/scripts/install.sh"
{ [ -x "$PREFIX/koktd" ] && [ -d "$PREFIX/SKINS" ]; } || e2e_fail "no program or SKINS folder in $PREFIX"
[[ $(readelf -S "$PREFIX/koktd") != *.debug_info* ]] || e2e_fail "the installed program is not stripped"
diff <(files_in "$E2E_BIN_DIR/MEDIA") <(files_in "$PREFIX/MEDIA") >&2 || e2e_fail "MEDIA differs from the build's"
[ ! -e "$E2E_BIN_DIR/kOkvoice.dll" ] || cmp -s "$E2E_BIN_DIR/kOkvoice.dll" "$PREFIX/kOkvoice.dll" ||
    e2e_fail "the voice pack is not installed"
# Every registered file is a link to its installed original.
REGISTERED=$(files_in "$XDG_DATA_HOME")
[ "$(echo "$REGISTERED" | wc -l)" -eq 11 ] || e2e_fail "registered: $REGISTERED"
while read -r f; do
    [ "$(readlink "$XDG_DATA_HOME/$f")" = "$PREFIX/share/${f#./}" ] || e2e_fail "$f is not a link into $PREFIX"
done <<<"$REGISTERED"
echo "installed and registered"

# The menu entry starts the clock from the program folder.
installed_clock() {
    local exe
    for exe in /proc/[0-9]*/exe; do
        [ "$(readlink "$exe" 2>/dev/null)" = "$PREFIX/koktd" ] || continue
        exe=${exe%/exe}
        echo "${exe#/proc/}"
        return 0
    done
    return 1
}
e2e_start_xvfb
if command -v gio >/dev/null; then
    gio launch "$ENTRY" >>"$E2E_WORK/clock.log" 2>&1
else
    # Exec is quoted as a shell would, once its string escapes are undone.
    eval "set -- $(sed -n 's/^Exec=//p' "$ENTRY" | sed 's/\\\\/\\/g')"
    "$@" >>"$E2E_WORK/clock.log" 2>&1 &
fi
e2e_wait_for 10 installed_clock >/dev/null || e2e_fail "the menu entry started no clock from $PREFIX"
PID=$(installed_clock)
E2E_PIDS+=("$PID")
WIN=$(e2e_wait_window "$PID") || e2e_fail "the installed clock shows no window"
# Docks match the window to the entry by its class, and show its own icon.
CLASS=$(sed -n 's/^StartupWMClass=//p' "$ENTRY")
xprop -id "$WIN" WM_CLASS | grep -F ", \"$CLASS\"" >/dev/null || e2e_fail "window class $(xprop -id "$WIN" WM_CLASS), entry $CLASS"
xprop -id "$WIN" _NET_WM_ICON | grep -F "Icon (16 x 16)" >/dev/null || e2e_fail "the clock's window has no 16 px icon"
kill "$PID"
e2e_wait_for 5 e2e_ended "$PID" || e2e_fail "the clock did not end"
echo "the menu entry starts the installed clock"

# The user's files survive installing again and uninstalling, and so do a
# sample skin the user changed and empty folders the user made.
printf '[kOk:TD:Test]\r\nKept=1\r\n' >>"$PREFIX/kOkTD.KiF"
echo "state" >"$PREFIX/kOkTD.timer"
mkdir "$PREFIX/SKINS/Mine"
echo "mine" >"$PREFIX/SKINS/Mine/skin.ksf"
echo "; changed" >>"$PREFIX/SKINS/Round/skin.ksf"
cp "$PREFIX/kOkTD.KiF" "$E2E_WORK/settings"
cp "$PREFIX/SKINS/Round/skin.ksf" "$E2E_WORK/sample"
run bash "$ROOT/scripts/install.sh"
cmp -s "$PREFIX/kOkTD.KiF" "$E2E_WORK/settings" || e2e_fail "installing again changed the settings"
cmp -s "$PREFIX/SKINS/Round/skin.ksf" "$E2E_WORK/sample" || e2e_fail "installing again replaced a changed sample skin"
mkdir "$PREFIX/SKINS/Empty" "$PREFIX/notes"
# An autostart entry of another copy of the clock is not ours to remove.
printf '[Desktop Entry]\nType=Application\nExec="/opt/other clock/koktd" /autorun\n' >"$AUTOSTART"
run bash "$ROOT/scripts/uninstall.sh"
[ ! -e "$XDG_DATA_HOME" ] || e2e_fail "left in $XDG_DATA_HOME: $(files_in "$XDG_DATA_HOME")"
KEPT=$(files_in "$PREFIX" | grep -v '^\./share/' || true)
[ "$KEPT" = $'./SKINS/Mine/skin.ksf\n./SKINS/Round/skin.ksf\n./kOkTD.KiF\n./kOkTD.timer' ] ||
    e2e_fail "kept in $PREFIX: $KEPT"
cmp -s "$PREFIX/kOkTD.KiF" "$E2E_WORK/settings" || e2e_fail "uninstall changed the settings"
{ [ -d "$PREFIX/SKINS/Empty" ] && [ -d "$PREFIX/notes" ]; } || e2e_fail "uninstall removed the user's empty folders"
rmdir "$PREFIX/notes"
[ -f "$AUTOSTART" ] || e2e_fail "uninstall removed another clock's autostart entry"
echo "installing again and uninstalling keep the user's files"

# --purge takes the user's files and the installed clock's autostart entry as
# the program writes it, and with them every folder the installs made and the
# autostart folder it empties.
run bash "$ROOT/scripts/install.sh"
printf '[Desktop Entry]\nType=Application\nName=kOk DIAL TD\nExec="%s/koktd" /autorun\n' "$PREFIX" >"$AUTOSTART"
run bash "$ROOT/scripts/uninstall.sh" --purge
[ ! -e "$AUTOSTART" ] || e2e_fail "the installed clock's autostart entry is left"
[ ! -e "$XDG_CONFIG_HOME/autostart" ] || e2e_fail "--purge left the autostart folder it emptied"
[ ! -e "$HOME/.local" ] || e2e_fail "left after --purge: $(cd "$HOME" && find .local)"
echo "uninstall --purge removes everything"
