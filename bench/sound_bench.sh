#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the sound benchmark against a private PulseAudio server with a null sink
# (recorded at low latency, as a real card would play). Prints figures only.
#   bench/sound_bench.sh [build-dir]
set -uo pipefail
build=${1:-build}
work=$(mktemp -d /tmp/koktd-bench.XXXXXX)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; sleep 0.2; rm -rf "$work"' EXIT
HOME="$work" pulseaudio -n --daemonize=no --exit-idle-time=-1 --system=false --disallow-exit \
    -L "module-native-protocol-unix socket=$work/pulse.sock auth-anonymous=1" \
    -L "module-null-sink sink_name=rec norewinds=1" >"$work/pulse.log" 2>&1 &
pids+=($!)
export PULSE_SERVER="unix:$work/pulse.sock"
for _ in $(seq 1 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
parec -d rec.monitor --format=s16le --channels=1 --rate=44100 --latency-msec=20 >/dev/null 2>&1 &
pids+=($!)
sleep 2.2 # the null sink leaves its 2-second blocks once the block in flight is done
"$build/bench/sound_bench"
