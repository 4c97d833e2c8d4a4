#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Removes what scripts/install.sh added (same KOKTD_PREFIX and XDG_DATA_HOME),
# and the login autostart entry when it starts the installed program. Keeps
# the Settings file kOkTD.KiF, the Timer state file kOkTD.timer, skins the
# user made and installed files the user changed, unless --purge is given
# (which also removes the autostart folder if that leaves it empty). Says what
# it keeps.
# Removes only folders the installs made or filled, once empty; folders of
# anyone else stay.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
purge=0
case ${1:-} in
--purge) purge=1 ;;
"") ;;
*)
    echo "usage: $0 [--purge]" >&2
    exit 2
    ;;
esac
source "$ROOT/scripts/install-common.sh"

[ -f "$RECORD" ] || die "no installed kOk DIAL TD in $PREFIX (no $RECORD)"
! clock_running || die "the installed clock is running; close it first"
mapfile -t entries <"$RECORD"

# The program an entry's Exec line starts: its first word with the escapes
# undone, first those of a string value, then those of a quoted word.
entry_program() {
    local value word="" i c quoted=0 text=""
    value=$(sed -n 's/^Exec=//p' -- "$1" | head -n 1)
    for ((i = 0; i < ${#value}; i++)); do
        c=${value:i:1}
        if [ "$c" = "\\" ] && ((i + 1 < ${#value})); then
            i=$((i + 1))
            c=${value:i:1}
            case $c in s) c=' ' ;; t) c=$'\t' ;; esac
        fi
        text+=$c
    done
    for ((i = 0; i < ${#text}; i++)); do
        c=${text:i:1}
        if [ "$c" = '"' ]; then
            quoted=$((1 - quoted))
        elif ((quoted)) && [ "$c" = "\\" ]; then
            i=$((i + 1))
            word+=${text:i:1}
        elif ! ((quoted)) && [ "$c" = ' ' ]; then
            break
        else
            word+=$c
        fi
    done
    printf '%s\n' "${word//%%/%}"
}

echo "Removing kOk DIAL TD from $PREFIX"
changed=()
for entry in "${entries[@]}"; do
    parse_entry "$entry"
    case $kind in
    L) [[ $(readlink -- "$path" 2>/dev/null) != "$PREFIX/"* ]] || rm -f -- "$path" ;;
    F)
        if [[ $path != "$PREFIX/"* ]]; then
            continue
        elif ! ((purge)) && changed_since_install "$sha" "$path"; then
            changed+=("$entry")
        else
            rm -f -- "$path"
        fi
        ;;
    esac
done

if [ -f "$AUTOSTART_ENTRY" ] && [ "$(entry_program "$AUTOSTART_ENTRY")" = "$PREFIX/koktd" ]; then
    rm -f -- "$AUTOSTART_ENTRY"
    echo "Removed the login autostart entry"
fi
AUTOSTART_DIR=$(dirname -- "$AUTOSTART_ENTRY")
if [ -d "$AUTOSTART_DIR" ] && [ -z "$(ls -A -- "$AUTOSTART_DIR")" ]; then
    if ((purge)); then
        rmdir -- "$AUTOSTART_DIR" && echo "Removed the empty folder $AUTOSTART_DIR"
    else
        echo "Kept the empty folder $AUTOSTART_DIR (--purge removes it)"
    fi
fi

if ((purge)); then
    # The user's files: settings, timer state, the dialog's alarm copy, what a
    # skin load leaves, half-written temporaries, and every skin.
    rm -f -- "$PREFIX"/kOkTD.KiF "$PREFIX"/kOkTD.timer "$PREFIX"/kOkTD.tmp "$PREFIX"/mask.tmp \
        "$PREFIX"/kOkTD.ksf "$PREFIX"/.kOkTD.*
    rm -rf -- "$PREFIX/SKINS"
fi

# The folders the installs made and those that held installed files, deepest
# first; each goes only once empty.
dirs=()
for entry in "${entries[@]}"; do
    parse_entry "$entry"
    if [ "$kind" = D ]; then
        dirs+=("$path")
    elif [ "$kind" = F ] && [[ $path == "$PREFIX/"* ]]; then
        dir=${path%/*}
        while [ "$dir" != "$PREFIX" ]; do
            dirs+=("$dir")
            dir=${dir%/*}
        done
    fi
done
printf '%s\n' "${dirs[@]}" | awk -F/ '!seen[$0]++ { print NF "\t" $0 }' | sort -rn | cut -f 2- |
    while IFS= read -r dir; do rmdir -- "$dir" 2>/dev/null || true; done
refresh_caches

if [ -d "$PREFIX" ] && [ -n "$(ls -A -- "$PREFIX")" ]; then
    # The folders an install made that are still there and the changed files,
    # for a later install to carry on and a later --purge to remove.
    mkdir -p -- "$(dirname -- "$RECORD")"
    {
        for entry in "${entries[@]}"; do
            [[ $entry != "D "* || ! -d ${entry#D } ]] || echo "$entry"
        done
        for entry in "${changed[@]}"; do echo "$entry"; done
        echo "F $RECORD"
    } >"$RECORD"
    echo "Left in $PREFIX (--purge removes the settings, timer state and skins):"
    (cd "$PREFIX" && find . -mindepth 1 -maxdepth 2 -not -path ./share -not -path './share/*' | sed 's|^\./|  |')
    for entry in "${changed[@]}"; do
        parse_entry "$entry"
        echo "Kept, changed since the install: $path"
    done
elif [ -d "$PREFIX" ]; then
    echo "Done: $PREFIX was there before the install and stays, empty."
else
    echo "Done: $PREFIX is gone."
fi

# The user's files outside the program folder, which no uninstall removes.
CONFIG_HOME=${XDG_CONFIG_HOME:-$HOME/.config}
[ ! -e "$DATA_HOME/koktd" ] ||
    echo "Kept $DATA_HOME/koktd: the settings of a clock whose program folder you cannot write (a system package)"
[ ! -e "$CONFIG_HOME/koktd" ] || echo "Kept $CONFIG_HOME/koktd: your skin family setting (registry.ini)"
[ ! -e "$CONFIG_HOME/QtProject.conf" ] ||
    echo "Kept $CONFIG_HOME/QtProject.conf: the file dialogs' state of every Qt program (this clock no longer writes it)"
exit 0
