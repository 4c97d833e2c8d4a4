# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for the sound checks; source after lib.sh.
#   e2e_start_pulse          a private PulseAudio server with a null sink "rec"; exports PULSE_SERVER
#   e2e_start_recording F    records the sink's monitor into F (raw s16le mono 44100 Hz)
#   e2e_stop_recording
#   e2e_tones F              prints "start_ms length_ms frequency_hz" for each sound in F

e2e_start_pulse() {
    local sock="$E2E_WORK/pulse.sock"
    # Running as root needs --system=false; the unix socket is ours alone.
    HOME="$E2E_WORK" pulseaudio -n --daemonize=no --exit-idle-time=-1 --system=false \
        --disallow-exit --disallow-module-loading=false \
        -L "module-native-protocol-unix socket=$sock auth-anonymous=1" \
        -L "module-null-sink sink_name=rec norewinds=1" >"$E2E_WORK/pulse.log" 2>&1 &
    E2E_PIDS+=($!)
    export PULSE_SERVER="unix:$sock"
    e2e_wait_for 5 pactl info >/dev/null 2>&1 ||
        { cat "$E2E_WORK/pulse.log" >&2; e2e_fail "PulseAudio did not start"; }
    # The null sink starts out rendering 2-second blocks; a low-latency reader
    # kept on its monitor brings it down to what a sound card does, once the
    # block in flight is done: then the reader's samples come in small pieces.
    parec -d rec.monitor --format=s16le --channels=1 --rate=44100 --latency-msec=20 \
        >"$E2E_WORK/monitor.raw" 2>/dev/null &
    E2E_PIDS+=($!)
    E2E_PULSE_PID=${E2E_PIDS[-2]}
    E2E_MONITOR_SIZE=0
    e2e_wait_for 5 e2e_small_blocks || e2e_fail "the null sink keeps rendering long blocks"
}

# Succeeds when the monitor reader got samples since the last call, and less
# than 0.5 s of them (44100 bytes).
e2e_small_blocks() {
    local size grew
    size=$(e2e_size "$E2E_WORK/monitor.raw")
    grew=$((size - E2E_MONITOR_SIZE))
    E2E_MONITOR_SIZE=$size
    [ "$grew" -gt 0 ] && [ "$grew" -lt 44100 ]
}

# Bytes in file $1 (0 while it does not exist).
e2e_size() { stat -c %s "$1" 2>/dev/null || echo 0; }
e2e_size_at_least() { [ "$(e2e_size "$1")" -ge "$2" ]; }

# The recording has begun once the monitor's (silent) samples arrive.
e2e_start_recording() {
    parec -d rec.monitor --format=s16le --channels=1 --rate=44100 --latency-msec=20 >"$1" 2>/dev/null &
    E2E_REC_PID=$!
    E2E_PIDS+=($E2E_REC_PID)
    E2E_REC_FILE=$1
    e2e_wait_for 5 e2e_size_at_least "$1" 1 || e2e_fail "the recording did not start"
}

# Keeps 0.3 s more (26460 bytes), for the end of a sound still on its way.
e2e_stop_recording() {
    e2e_wait_for 5 e2e_size_at_least "$E2E_REC_FILE" $(($(e2e_size "$E2E_REC_FILE") + 26460)) ||
        e2e_fail "the recording stalled"
    kill "$E2E_REC_PID" 2>/dev/null || true
    wait "$E2E_REC_PID" 2>/dev/null || true
}

# Sounds are runs of samples above 5 % of full scale with gaps under 5 ms; the
# frequency comes from the rising zero crossings inside each run.
e2e_tones() {
    sox -t raw -r 44100 -e signed -b 16 -c 1 "$1" -t dat - | awk '
        /^;/ { next }
        {
            v = $2; i = n++
            if (v > 0.05 || v < -0.05) {
                if (!on || i - last > 220) { if (on) report(); on = 1; start = i; cross = 0; first = -1 }
                last = i
            }
            if (on && i - last <= 220 && prev < 0 && v >= 0 && v - prev > 0.003) { if (first < 0) first = i; lastc = i; cross++ }
            prev = v
        }
        function report() {
            f = (cross > 1 && lastc > first) ? (cross - 1) * 44100 / (lastc - first) : 0
            printf "%.1f %.1f %.0f\n", start * 1000 / 44100, (last - start + 1) * 1000 / 44100, f
        }
        END { if (on) report() }'
}
