// Any bytes as a wave file: the reader stays inside the data, and what it
// accepts is a whole number of frames that writes back to a readable file.
#include <cstdlib>
#include <span>

#include "platform/wave_data.h"

using kok::platform::PcmClip;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto clip = kok::platform::parseWave(std::span(data, size));
    if (!clip) return 0;
    if (clip->sampleRate <= 0 || clip->channels < 1 || clip->channels > 8) std::abort();
    if (clip->bytes.size() % std::size_t(clip->bytesPerFrame()) != 0) std::abort();
    if (clip->bytes.size() > size) std::abort();
    (void)clip->seconds();
    return 0;
}
