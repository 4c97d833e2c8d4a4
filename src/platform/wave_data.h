#pragma once

#include <cstdint>
#include <optional>
#include <span>
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

// Reads a RIFF/WAVE file held in memory: PCM of 8, 16, 24 or 32 bits or
// 32-bit float, any rate and 1 to 8 channels. A data chunk that runs past the
// end of the file is cut to what is there. Anything else yields nothing.
std::optional<PcmClip> parseWave(std::span<const std::uint8_t> file);

// A RIFF/WAVE image of 8-bit or 16-bit PCM.
std::vector<std::uint8_t> makeWave(const PcmClip& clip);

} // namespace kok::platform
