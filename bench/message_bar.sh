#!/usr/bin/env bash
# Time from the firing's call to a placed Message bar on a 1920 x 1080 screen.
# Usage: bench/message_bar.sh [build-dir]. Prints figures; never fails on them.
set -euo pipefail
BUILD=$(cd "${1:-build}" && pwd)
WORK=$(mktemp -d /tmp/koktd-bar-bench.XXXXXX)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$WORK"' EXIT
export XDG_RUNTIME_DIR="$WORK" KOKTD_LOCK_DIR="$WORK"
chmod 700 "$WORK"
mkfifo "$WORK/fd"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset 3>"$WORK/fd" >/dev/null 2>&1 &
read -r num <"$WORK/fd"
DISPLAY=":$num" QT_QPA_PLATFORM=xcb "$BUILD/bench/bench_message_bar"
