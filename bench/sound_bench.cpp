// SPDX-License-Identifier: GPL-3.0-or-later
// Sound figures: how soon a tone gets going, and what a beep pattern costs.
// Prints figures; never fails. Run it with an audio server (bench/sound_bench.sh
// starts a private one); without one it reports that the device is silent.
#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

#include "platform/posix/pulse_tone.h"
#include "platform/sound_device.h"
#include "signals/sound.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

// How quickly a tone got going: from the call to the stream being open, and
// to its first samples being accepted by the server, plus the server's
// reported playback latency at that moment.
struct ToneStartTiming {
    double openMs = -1;
    double firstWriteMs = -1;
    double serverLatencyMs = -1;
};

// Plays tones as the program's sound device does, noting when each got going.
class TimedToneDevice final : public kok::platform::SoundDevice, kok::platform::ToneStartProbe {
  public:
    explicit TimedToneDevice(kok::platform::SoundDevice& real) : real_(real) {}

    void playTone(std::span<const std::int16_t> samples, int sampleRate) override {
        last = {};
        t0_ = Clock::now();
        kok::platform::playPulseTone(samples, sampleRate, this);
    }
    void startClip(std::shared_ptr<const kok::platform::PcmClip> clip, bool loop) override {
        real_.startClip(std::move(clip), loop);
    }
    void playClipAndWait(std::shared_ptr<const kok::platform::PcmClip> clip) override {
        real_.playClipAndWait(std::move(clip));
    }
    bool clipPlaying() const override { return real_.clipPlaying(); }

    ToneStartTiming last;

  private:
    void streamOpened() override { last.openMs = msSince(t0_); }
    void firstSamplesAccepted() override { last.firstWriteMs = msSince(t0_); }
    void serverLatency(double ms) override { last.serverLatencyMs = ms; }

    kok::platform::SoundDevice& real_;
    Clock::time_point t0_;
};

double cpuMs() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000.0 +
           (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1000.0;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    constexpr int kRuns = 10;

    std::vector<double> open, firstWrite, latency, held;
    TimedToneDevice device(kok::platform::soundDevice());
    {
        const kok::platform::SoundDeviceOverride timed(device);
        for (int i = 0; i < kRuns; ++i) {
            const auto t0 = Clock::now();
            kok::signal::PlayTone(1000, 50);
            held.push_back(msSince(t0));
            const ToneStartTiming t = device.last;
            open.push_back(t.openMs);
            firstWrite.push_back(t.firstWriteMs);
            latency.push_back(t.serverLatencyMs);
        }
    }
    if (median(firstWrite) < 0) {
        std::printf("sound device: no audio server, tones are silent\n");
    } else {
        std::printf("PlayTone(1000 Hz, 50 ms), median of %d:\n", kRuns);
        std::printf("  stream open:                        %7.2f ms\n", median(open));
        std::printf("  first samples accepted by server:   %7.2f ms after the call\n",
                    median(firstWrite));
        std::printf("  server's playback latency then:     %7.2f ms\n", median(latency));
        std::printf("  first sample out (accepted+latency):%7.2f ms   (aim < 30 ms)\n",
                    median(firstWrite) + median(latency));
        std::printf("  caller held for:                    %7.2f ms for a 50 ms tone\n",
                    median(held));
    }

    const double cpu0 = cpuMs();
    const auto t0 = Clock::now();
    kok::signal::PlayBeepType(3);
    const double wall = msSince(t0);
    const double cpu = cpuMs() - cpu0;
    std::printf("PlayBeepType(3): %.0f ms wall (2250 nominal), %.1f ms CPU = %.2f %% of one core"
                "   (aim < 5 %%)\n",
                wall, cpu, 100.0 * cpu / wall);
    return 0;
}
