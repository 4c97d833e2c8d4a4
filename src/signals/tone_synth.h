// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace kok::signal {

// Tones are made at this rate: every length in whole milliseconds is a whole
// number of samples.
inline constexpr int kToneSampleRate = 48000;

// A sine tone of `frequency` Hz lasting exactly `durationMs` milliseconds,
// with a short fade at both ends so that it starts and stops without a click.
std::vector<std::int16_t> synthesiseTone(unsigned frequency, int durationMs,
                                         int sampleRate = kToneSampleRate);

} // namespace kok::signal
