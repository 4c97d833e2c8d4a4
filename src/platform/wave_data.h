// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kok::platform {

// Sample formats the sound device can play as they are.
enum class SampleFormat { U8, S16, S24, S32, F32 };

// Interleaved PCM audio with its format.
struct PcmClip {
    int sampleRate = 0;
    int channels = 0;
    SampleFormat format = SampleFormat::S16;
    std::vector<std::uint8_t> bytes;

    int bytesPerFrame() const;
    // Length in frames (samples per channel).
    std::size_t frames() const;
    double seconds() const { return sampleRate > 0 ? double(frames()) / sampleRate : 0.0; }
};

// A RIFF/WAVE image of 8-bit or 16-bit PCM.
std::vector<std::uint8_t> makeWave(const PcmClip& clip);

} // namespace kok::platform
