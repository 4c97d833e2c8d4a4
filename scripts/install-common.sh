# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash disable=SC2034
# Shared by install.sh and uninstall.sh (sourced): where the program folder
# is, where the desktop looks for menu entries, and the record of what an
# install added.
die() {
    echo "$(basename "$0"): $*" >&2
    exit 1
}

PREFIX=${KOKTD_PREFIX-$HOME/.local/opt/koktd}
[ -n "$PREFIX" ] || die "the install folder (KOKTD_PREFIX) is empty"
[[ $PREFIX != *$'\n'* ]] || die "the install folder must not contain a line break"
PREFIX=$(realpath -m -- "$PREFIX")
# The program folder is removed with everything in it on --purge, so it must
# be a folder of its own.
[ "$PREFIX" != / ] || die "refusing / as the install folder"
[ "$PREFIX" != "$(realpath -m -- "$HOME")" ] || die "refusing the home folder itself as the install folder"
DATA_HOME=${XDG_DATA_HOME:-$HOME/.local/share}
AUTOSTART_ENTRY="${XDG_CONFIG_HOME:-$HOME/.config}/autostart/kOk DIAL TD.desktop"
# One "KIND PATH" a line: F a file of the program folder, L a link registered
# in DATA_HOME, D a folder created for either. An installed file's line is
# "F SHA256 PATH", so that a file the user changed since can be told apart.
RECORD="$PREFIX/share/koktd/installed.txt"

# parse_entry LINE: sets kind, path and sha (empty if not recorded).
parse_entry() {
    kind=${1%% *} path=${1#* } sha=""
    if [ "$kind" = F ] && [[ $path =~ ^([0-9a-f]{64})\ (.*)$ ]]; then
        sha=${BASH_REMATCH[1]} path=${BASH_REMATCH[2]}
    fi
}

sha_of() { sha256sum <"$1" | cut -d ' ' -f 1; }

# changed_since_install SHA PATH: whether the installed file is there with
# other content than it was installed with.
changed_since_install() {
    [ -n "$1" ] && [ -f "$2" ] && [ "$(sha_of "$2")" != "$1" ]
}

# make_dirs DIR: creates DIR and its missing parents, printing "D path" for
# each folder it created, outermost first.
make_dirs() {
    local dir=$1 missing=() d
    while [ ! -d "$dir" ]; do
        missing=("$dir" "${missing[@]}")
        dir=$(dirname -- "$dir")
    done
    for d in "${missing[@]}"; do
        mkdir -- "$d"
        echo "D $d"
    done
}

# Whether the installed program is running: replacing or removing it under a
# running clock would leave that clock writing into a half-gone folder.
clock_running() {
    local exe
    for exe in /proc/[0-9]*/exe; do
        [ "$(readlink -- "$exe" 2>/dev/null)" = "$PREFIX/koktd" ] && return 0
    done
    return 1
}

# Brings the desktop's caches up to date, but only those that are there
# already: a new icon cache would hide the icons that other programs later
# install without refreshing it.
refresh_caches() {
    if command -v update-desktop-database >/dev/null && [ -f "$DATA_HOME/applications/mimeinfo.cache" ]; then
        update-desktop-database -q "$DATA_HOME/applications" || true
    fi
    if command -v gtk-update-icon-cache >/dev/null && [ -f "$DATA_HOME/icons/hicolor/icon-theme.cache" ]; then
        gtk-update-icon-cache -q -f -t "$DATA_HOME/icons/hicolor" || true
    fi
}
