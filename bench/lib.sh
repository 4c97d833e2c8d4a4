# Shared start of the whole-program benchmarks. Source it with the build folder
# in BUILD; it makes a private work folder ($WORK, removed at exit) that the
# program takes for its lock, configuration and runtime folders, and starts a
# private Xvfb of the given size (default 1024x768).
#   bench_start_xvfb [WIDTHxHEIGHT]
set -euo pipefail
WORK=$(mktemp -d /tmp/koktd-bench.XXXXXX)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$WORK"' EXIT
export KOKTD_LOCK_DIR="$WORK" XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK"
chmod 700 "$WORK"

bench_start_xvfb() {
    mkfifo "$WORK/fd"
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset 3>"$WORK/fd" \
        >/dev/null 2>&1 &
    local num
    read -r num <"$WORK/fd"
    export DISPLAY=":$num"
}
