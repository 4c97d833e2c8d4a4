// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the program's sound clips: the embedded pre-warning, silence and
// stand-in sound, the MEDIA sounds shipped beside the executable, and the
// call-sign beeps of the voice pack.
//   gen_sounds <embedded-dir> <media-dir> <voice-dir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

#include "platform/wave_data.h"

namespace {

using kok::platform::PcmClip;
using kok::platform::SampleFormat;
namespace fs = std::filesystem;

constexpr double kTwoPi = 2 * std::numbers::pi;

bool save(const fs::path& file, const PcmClip& clip) {
    const auto bytes = kok::platform::makeWave(clip);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) std::fprintf(stderr, "gen_sounds: cannot write %s\n", file.c_str());
    return bool(out);
}

// A mono buffer of floating-point samples in -1..1 at `rate`.
struct Mix {
    int rate;
    std::vector<double> s;
    Mix(int rate_, double seconds) : rate(rate_), s(std::size_t(seconds * rate_), 0.0) {}

    // A struck bell: a few partials, a quick attack and an exponential decay.
    void bell(double at, double freq, double gain, double decaySeconds) {
        static constexpr double partials[][2] = {{1.0, 1.0}, {2.0, 0.35}, {3.0, 0.12}, {4.2, 0.05}};
        const std::size_t start = std::size_t(at * rate);
        for (std::size_t i = start; i < s.size(); ++i) {
            const double t = double(i - start) / rate;
            const double attack = std::min(1.0, t / 0.004);
            double v = 0;
            for (const auto& p : partials)
                v += p[1] * std::exp(-t * p[0] / decaySeconds) * std::sin(kTwoPi * freq * p[0] * t);
            s[i] += gain * attack * v;
        }
    }

    // A plain sine with short fades, for the call signs.
    void pip(double at, double freq, double seconds, double gain) {
        const std::size_t start = std::size_t(at * rate);
        const std::size_t n = std::size_t(seconds * rate);
        const double fade = 0.004 * rate;
        for (std::size_t k = 0; k < n && start + k < s.size(); ++k) {
            const double env = std::min({1.0, double(k) / fade, double(n - 1 - k) / fade});
            s[start + k] += gain * env * std::sin(kTwoPi * freq * double(k) / rate);
        }
    }

    // A hard beep: odd partials of a square wave up to the Nyquist limit,
    // with short fades so that it does not click.
    void buzz(double at, double freq, double seconds, double gain) {
        static constexpr double partials[][2] = {{1.0, 1.0}, {3.0, 1.0 / 3}, {5.0, 1.0 / 5}};
        const std::size_t start = std::size_t(at * rate);
        const std::size_t n = std::size_t(seconds * rate);
        const double fade = 0.003 * rate;
        for (std::size_t k = 0; k < n && start + k < s.size(); ++k) {
            const double env = std::min({1.0, double(k) / fade, double(n - 1 - k) / fade});
            double v = 0;
            for (const auto& p : partials)
                if (freq * p[0] < rate / 2.0)
                    v += p[1] * std::sin(kTwoPi * freq * p[0] * double(k) / rate);
            s[start + k] += gain * env * v / 1.2;
        }
    }

    PcmClip toS16() const {
        PcmClip c{rate, 1, SampleFormat::S16, {}};
        for (double v : s) {
            const auto x = std::int16_t(std::lround(std::clamp(v, -1.0, 1.0) * 32767));
            c.bytes.push_back(std::uint8_t(x & 0xFF));
            c.bytes.push_back(std::uint8_t((x >> 8) & 0xFF));
        }
        return c;
    }
};

// The sound-card pre-warning: 140 ms at 8 kHz, 8 bits (1120 bytes): a 2000 Hz
// beep for the first half and silence for the second, so that the looped clip
// pulses like the speaker's seven beeps.
PcmClip preWarning() {
    PcmClip c{8000, 1, SampleFormat::U8, std::vector<std::uint8_t>(1120, 0x80)};
    const int tone = 560, fade = 24;
    for (int i = 0; i < tone; ++i) {
        const double env = std::min({1.0, double(i) / fade, double(tone - 1 - i) / fade});
        c.bytes[std::size_t(i)] =
            std::uint8_t(std::lround(128 + 90 * env * std::sin(kTwoPi * 2000 * i / 8000.0)));
    }
    return c;
}

// 43 samples of 8-bit silence (about 5 ms): starting it ends any other sound.
PcmClip silence() {
    return {8000, 1, SampleFormat::U8, std::vector<std::uint8_t>(43, 0x80)};
}

// Stands in for a wave file that is missing: one soft bell.
PcmClip standIn() {
    Mix m(22050, 0.6);
    m.bell(0.0, 880.0, 0.45, 0.18);
    return m.toS16();
}

// MEDIA/LOGOFF.wav, the default alarm sound: four seconds of the alarm
// clock's beep-beep-beep-beep, each burst louder and a little higher than the
// last, from a murmur to nearly full scale, so that it wakes a sleeper without
// making one jump at the first beep. 16 kHz keeps the file small; the hard
// tone (a sine with odd partials) cuts through bedding better than a bell.
PcmClip logoff() {
    constexpr int kBursts = 8;
    constexpr double kBurstSeconds = 0.5, kBeepSeconds = 0.07, kBeepGap = 0.11;
    Mix m(16000, kBursts * kBurstSeconds);
    for (int burst = 0; burst < kBursts; ++burst) {
        const double rise = double(burst) / (kBursts - 1); // 0 .. 1
        const double gain = 0.1 * std::pow(0.85 / 0.1, rise);
        const double freq = 1760.0 * std::pow(2.0, rise * 4 / 12); // A6 up a major third
        for (int beep = 0; beep < 4; ++beep)
            m.buzz(burst * kBurstSeconds + beep * kBeepGap, freq, kBeepSeconds, gain);
    }
    return m.toS16();
}

// MEDIA/NOTIFY.wav: a rising major triad, the default hourly sound.
PcmClip notify() {
    Mix m(44100, 1.4);
    m.bell(0.00, 523.25, 0.28, 0.30); // C5
    m.bell(0.16, 659.26, 0.28, 0.30); // E5
    m.bell(0.32, 783.99, 0.30, 0.40); // G5
    return m.toS16();
}

// The call signs: five short pips a second apart from 59:55, and a long one
// that marks the hour itself.
PcmClip callSigns() {
    Mix m(22050, 5.6);
    for (int i = 0; i < 5; ++i)
        m.pip(i, 1000.0, 0.1, 0.5);
    m.pip(5.0, 1000.0, 0.5, 0.5);
    return m.toS16();
}

} // namespace

// The embedded clips are compiled into the program, so they are made beside
// the library that embeds them; the others go beside the executable.
int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "embedded" && argc == 3) {
        const fs::path dir = argv[2];
        fs::create_directories(dir);
        return save(dir / "pre.wav", preWarning()) && save(dir / "silence.wav", silence()) &&
                       save(dir / "default.wav", standIn())
                   ? 0
                   : 1;
    }
    if (mode == "files" && argc == 4) {
        const fs::path media = argv[2], voice = argv[3];
        fs::create_directories(media);
        fs::create_directories(voice);
        return save(media / "LOGOFF.wav", logoff()) && save(media / "NOTIFY.wav", notify()) &&
                       save(voice / "kok_beeps.wav", callSigns())
                   ? 0
                   : 1;
    }
    std::fprintf(stderr,
                 "usage: gen_sounds embedded <dir> | gen_sounds files <media-dir> <voice-dir>\n");
    return 2;
}
