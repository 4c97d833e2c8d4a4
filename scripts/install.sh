#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs kOk DIAL TD for the current user. Builds it first (installing the
# build dependencies) unless KOKTD_BUILD_DIR names an existing build; installs
# the program folder into KOKTD_PREFIX (default ~/.local/opt/koktd); registers
# the menu entry, the icon and the metainfo in XDG_DATA_HOME (default
# ~/.local/share). Installing again updates the program and keeps the user's
# settings, timer state and skins, and sample skin files the user changed.
# scripts/uninstall.sh removes it.
#
# The registered files are links into the program folder: it stays the one
# copy, a reinstall updates them at once, uninstall can tell its own links by
# where they point, and a program folder deleted by hand leaves links that
# menus skip rather than an entry that starts nothing.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$ROOT/scripts/install-common.sh"

# Every refusal comes before anything is installed, so that a refused install
# leaves nothing behind. The program folder must be a folder of its own:
# uninstall empties it, and --purge takes the user's files from it.
for dir in "$(realpath -m -- "$HOME")" "$(realpath -m -- "$DATA_HOME")"; do
    [[ $dir/ != "$PREFIX"/* ]] || die "refusing $PREFIX as the install folder: it holds $dir"
done
if [[ $PREFIX =~ ^/[^/]*$ || $PREFIX =~ ^/usr(/local)?/(bin|etc|games|include|lib|lib32|lib64|libexec|local|sbin|share|src)$ ]]; then
    die "refusing the system folder $PREFIX as the install folder"
fi
if [ -d "$PREFIX" ] && [ -n "$(ls -A -- "$PREFIX")" ] && ! grep -Fqx -- "F $RECORD" "$RECORD" 2>/dev/null; then
    die "$PREFIX is not empty and holds no earlier install of kOk DIAL TD; choose another KOKTD_PREFIX"
fi
! clock_running || die "the installed clock is running; close it first"

if [ -n "${KOKTD_BUILD_DIR:-}" ]; then
    BUILD=$(realpath -- "$KOKTD_BUILD_DIR")
    [ -x "$BUILD/bin/koktd" ] || die "no built program in $BUILD/bin (KOKTD_BUILD_DIR)"
else
    bash "$ROOT/scripts/install-deps.sh" --build
    bash "$ROOT/scripts/build.sh" -DKOKTD_TESTS=OFF -DKOKTD_BENCH=OFF
    BUILD=$ROOT/build
fi

# Sample skin files the user changed since they were installed are kept:
# stashed here across the install and put back, also when it fails.
STAGE=$(mktemp -d)
KEPT=()
put_back_kept() {
    local i
    for i in "${!KEPT[@]}"; do
        cp -p -- "$STAGE/kept/$i" "${KEPT[i]}"
        echo "Kept your changed ${KEPT[i]}"
    done
    KEPT=()
}
trap 'put_back_kept; rm -rf -- "$STAGE"' EXIT

# The files the desktop reads, installed alone into the stage to learn their
# names: the links to them must not replace anything that is not ours.
cmake --install "$BUILD" --component desktop --prefix "$STAGE/desktop" >/dev/null
mapfile -t REGISTERED < <(cd "$STAGE/desktop/share" && find . -type f | sed 's|^\./||' | sort)
for rel in "${REGISTERED[@]}"; do
    link="$DATA_HOME/$rel"
    if [ -e "$link" ] || [ -L "$link" ]; then
        [ "$(readlink -- "$link")" = "$PREFIX/share/$rel" ] || die "$link exists and is not from this install; move it away first"
    fi
done

echo "Installing kOk DIAL TD into $PREFIX"
created=$(make_dirs "$PREFIX")
mkdir -p -- "$(dirname -- "$RECORD")" "$STAGE/kept"
[ -z "$created" ] || echo "$created" >>"$RECORD"
touch -- "$RECORD"
while IFS= read -r entry; do
    parse_entry "$entry"
    if [[ $path == "$PREFIX/SKINS/"* ]] && changed_since_install "$sha" "$path"; then
        cp -p -- "$path" "$STAGE/kept/${#KEPT[@]}"
        KEPT+=("$path")
    fi
done <"$RECORD"

cmake --install "$BUILD" --prefix "$PREFIX" --strip >/dev/null
# The manifest names every file CMake installed ("prefix/./koktd" for the
# program folder's own files). The Settings file is not among them, so an
# existing one is never replaced. A kept file keeps the sum of what was
# installed, so that it still counts as changed. The last line has no line
# break.
while IFS= read -r file || [ -n "$file" ]; do
    file=${file/\/.\//\/}
    echo "F $(sha_of "$file") $file"
done <"$BUILD/install_manifest.txt" >>"$RECORD"
echo "F $RECORD" >>"$RECORD"
put_back_kept

echo "Registering the menu entry, icon and metainfo in $DATA_HOME"
for rel in "${REGISTERED[@]}"; do
    link="$DATA_HOME/$rel"
    created=$(make_dirs "$(dirname -- "$link")")
    [ -z "$created" ] || echo "$created" >>"$RECORD"
    ln -sfn -- "$PREFIX/share/$rel" "$link"
    echo "L $link" >>"$RECORD"
done

# Each path once, with what this install wrote about it.
tac -- "$RECORD" | {
    declare -A seen
    while IFS= read -r entry; do
        parse_entry "$entry"
        [ -z "${seen["$kind $path"]:-}" ] || continue
        seen["$kind $path"]=1
        echo "$entry"
    done
} | tac >"$RECORD.new"
mv -f -- "$RECORD.new" "$RECORD"
refresh_caches

echo "Done: \"kOk DIAL TD\" is in the applications menu; the program is $PREFIX/koktd."
echo "To remove it: bash scripts/uninstall.sh (add --purge to remove the settings too)."
