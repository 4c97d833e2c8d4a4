// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a sound file: the decoder stays inside the data, and what it
// accepts is a whole number of frames in a format the sound device plays.
#include <cstdlib>
#include <span>

#include "platform/sound_file.h"

using kok::platform::SampleFormat;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto clip = kok::platform::decodeSoundFile(std::span(data, size));
    if (!clip) return 0;
    if (clip->sampleRate < 1000 || clip->channels < 1 || clip->channels > 8) std::abort();
    if (clip->format != SampleFormat::S16 && clip->format != SampleFormat::F32) std::abort();
    if (clip->bytes.empty() || clip->bytes.size() % std::size_t(clip->bytesPerFrame()) != 0)
        std::abort();
    return 0;
}
