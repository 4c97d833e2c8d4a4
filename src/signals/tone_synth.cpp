// SPDX-License-Identifier: GPL-3.0-or-later
#include "signals/tone_synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kok::signal {
namespace {

constexpr double kAmplitude = 0.5 * 32767; // -6 dBFS: clearly audible, never clipping
constexpr int kFadeMs = 3;

} // namespace

std::vector<std::int16_t> synthesiseTone(unsigned frequency, int durationMs, int sampleRate) {
    if (durationMs <= 0 || sampleRate <= 0) return {};
    const std::size_t count = std::size_t(std::int64_t(durationMs) * sampleRate / 1000);
    const std::size_t fade = std::min(count / 2, std::size_t(sampleRate * kFadeMs / 1000));
    std::vector<std::int16_t> out(count);
    const double step = 2 * std::numbers::pi * frequency / sampleRate;
    for (std::size_t i = 0; i < count; ++i) {
        double gain = 1.0;
        if (i < fade)
            gain = double(i) / double(fade);
        else if (count - 1 - i < fade)
            gain = double(count - 1 - i) / double(fade);
        out[i] = std::int16_t(std::lround(kAmplitude * gain * std::sin(step * double(i))));
    }
    return out;
}

} // namespace kok::signal
