# Helpers for the sound checks; source after lib.sh.
#   e2e_start_pulse          a private PulseAudio server with a null sink "rec"; exports PULSE_SERVER
#   e2e_start_recording F    records the sink's monitor into F (raw s16le mono 44100 Hz)
#   e2e_stop_recording
#   e2e_tones F              prints "start_ms length_ms frequency_hz" for each sound in F

e2e_start_pulse() {
    local sock="$E2E_WORK/pulse.sock" i
    # Running as root needs --system=false; the unix socket is ours alone.
    HOME="$E2E_WORK" pulseaudio -n --daemonize=no --exit-idle-time=-1 --system=false \
        --disallow-exit --disallow-module-loading=false \
        -L "module-native-protocol-unix socket=$sock auth-anonymous=1" \
        -L "module-null-sink sink_name=rec norewinds=1" >"$E2E_WORK/pulse.log" 2>&1 &
    E2E_PIDS+=($!)
    export PULSE_SERVER="unix:$sock"
    for i in $(seq 1 50); do
        pactl info >/dev/null 2>&1 && break
        sleep 0.1
    done
    pactl info >/dev/null 2>&1 || { cat "$E2E_WORK/pulse.log" >&2; e2e_fail "PulseAudio did not start"; }
    # The null sink starts out rendering 2-second blocks; a low-latency reader
    # kept on its monitor brings it down to what a sound card does, once the
    # block in flight is done.
    parec -d rec.monitor --format=s16le --channels=1 --rate=44100 --latency-msec=20 >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    E2E_PULSE_PID=${E2E_PIDS[-2]}
    sleep 2.2
}

e2e_start_recording() {
    parec -d rec.monitor --format=s16le --channels=1 --rate=44100 --latency-msec=20 >"$1" 2>/dev/null &
    E2E_REC_PID=$!
    E2E_PIDS+=($E2E_REC_PID)
    sleep 0.3
}

e2e_stop_recording() {
    sleep 0.3
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
