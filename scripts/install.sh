#!/usr/bin/env bash
# Installs kOk DIAL TD for the current user. Builds it first (installing the
# build dependencies) unless KOKTD_BUILD_DIR names an existing build; installs
# the program folder into KOKTD_PREFIX (default ~/.local/opt/koktd); registers
# the menu entry, the icon and the metainfo in XDG_DATA_HOME (default
# ~/.local/share). Installing again updates the program and keeps the user's
# settings, timer state and skins. scripts/uninstall.sh removes it.
#
# The registered files are links into the program folder: it stays the one
# copy, a reinstall updates them at once, uninstall can tell its own links by
# where they point, and a program folder deleted by hand leaves links that
# menus skip rather than an entry that starts nothing.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$ROOT/scripts/install-common.sh"

if [ -n "${KOKTD_BUILD_DIR:-}" ]; then
    BUILD=$(realpath -- "$KOKTD_BUILD_DIR")
    [ -x "$BUILD/bin/koktd" ] || die "no built program in $BUILD/bin (KOKTD_BUILD_DIR)"
else
    bash "$ROOT/scripts/install-deps.sh"
    bash "$ROOT/scripts/build.sh"
    BUILD=$ROOT/build
fi
! clock_running || die "the installed clock is running; close it first"

echo "Installing kOk DIAL TD into $PREFIX"
created=$(make_dirs "$PREFIX")
mkdir -p -- "$(dirname -- "$RECORD")"
[ -z "$created" ] || echo "$created" >>"$RECORD"

cmake --install "$BUILD" --prefix "$PREFIX" >/dev/null
# The manifest names every file CMake installed ("prefix/./koktd" for the
# program folder's own files). The Settings file is not among them, so an
# existing one is never replaced.
awk '{ sub("/\\./", "/"); print "F " $0 }' "$BUILD/install_manifest.txt" >>"$RECORD"
echo "F $RECORD" >>"$RECORD"

echo "Registering the menu entry, icon and metainfo in $DATA_HOME"
while read -r kind path; do
    [ "$kind" = F ] || continue
    case $path in
    "$PREFIX/share/applications/"* | "$PREFIX/share/icons/"* | "$PREFIX/share/metainfo/"*) ;;
    *) continue ;;
    esac
    link="$DATA_HOME/${path#"$PREFIX/share/"}"
    if [ -e "$link" ] || [ -L "$link" ]; then
        [ "$(readlink -- "$link")" = "$path" ] || die "$link exists and is not from this install; move it away first"
    fi
    created=$(make_dirs "$(dirname -- "$link")")
    [ -z "$created" ] || echo "$created" >>"$RECORD"
    ln -sfn -- "$path" "$link"
    echo "L $link" >>"$RECORD"
done < <(sort -u "$RECORD")

# Each line once, in the order first written (uninstall removes folders in
# the reverse order of their creation).
awk '!seen[$0]++' "$RECORD" >"$RECORD.new"
mv -f -- "$RECORD.new" "$RECORD"
refresh_caches

echo "Done: \"kOk DIAL TD\" is in the applications menu; the program is $PREFIX/koktd."
echo "To remove it: bash scripts/uninstall.sh (add --purge to remove the settings too)."
