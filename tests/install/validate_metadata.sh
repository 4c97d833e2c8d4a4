#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` into a folder whose path needs quoting in a menu entry;
# what the desktop reads from it must pass the desktop's own validators, the
# entry must start the installed executable, and each icon must have its size.
# Usage: validate_metadata.sh BUILD_DIR
set -euo pipefail
WORK=$(mktemp -d /tmp/koktd-install.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
PREFIX="$WORK/a b \$c %d"
cmake --install "$1" --prefix "$PREFIX" >/dev/null
SHARE="$PREFIX/share"
ENTRY="$SHARE/applications/org.example.koktd.desktop"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# Validators that only warn still exit 0, so any output is a failure too
# (appstreamcli's YAML report is empty when there is nothing to say).
quiet() {
    local out
    out=$("$@" 2>&1) || fail "$*: $out"
    [ -z "$out" ] || fail "$*: $out"
}

quiet desktop-file-validate "$ENTRY"
quiet appstreamcli validate --no-net --pedantic --format yaml "$SHARE/metainfo/org.example.koktd.metainfo.xml"
quiet appstreamcli validate-tree --no-net --pedantic --format yaml "$PREFIX"

# Inside the quotes '$' takes a backslash, written twice in a string value;
# '%' is doubled.
EXEC=$(sed -n 's/^Exec=//p' "$ENTRY")
[ "$EXEC" = "\"$WORK/a b \\\\\$c %%d/koktd\"" ] || fail "Exec=$EXEC"
[ "$(sed -n 's/^TryExec=//p' "$ENTRY")" = "$PREFIX/koktd" ] || fail "TryExec does not name $PREFIX/koktd"
[ -x "$PREFIX/koktd" ] || fail "no executable at $PREFIX/koktd"

for size in 16 22 24 32 48 64 128 256; do
    icon="$SHARE/icons/hicolor/${size}x$size/apps/org.example.koktd.png"
    [ "$(identify -format '%wx%h' "$icon")" = "${size}x$size" ] || fail "$icon is not $size px"
done
[ -f "$SHARE/icons/hicolor/scalable/apps/org.example.koktd.svg" ] || fail "no scalable icon"
echo "the installed menu entry, metainfo and icons are valid"
