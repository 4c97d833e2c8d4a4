// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wave_data.h"

#include <string_view>

namespace kok::platform {
namespace {

constexpr std::uint16_t kTagPcm = 1;

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(std::uint8_t(v >> (8 * i)));
}
void put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}
void putTag(std::vector<std::uint8_t>& out, std::string_view tag) {
    out.insert(out.end(), tag.begin(), tag.end());
}

} // namespace

int PcmClip::bytesPerFrame() const {
    int width = 2;
    switch (format) {
    case SampleFormat::U8:
        width = 1;
        break;
    case SampleFormat::S16:
        width = 2;
        break;
    case SampleFormat::S24:
        width = 3;
        break;
    case SampleFormat::S32:
    case SampleFormat::F32:
        width = 4;
        break;
    }
    return width * channels;
}

std::size_t PcmClip::frames() const {
    const int frame = bytesPerFrame();
    return frame > 0 ? bytes.size() / std::size_t(frame) : 0;
}

std::vector<std::uint8_t> makeWave(const PcmClip& clip) {
    const int bits = clip.format == SampleFormat::U8 ? 8 : 16;
    const int frame = clip.bytesPerFrame();
    std::vector<std::uint8_t> out;
    out.reserve(44 + clip.bytes.size() + 1);
    putTag(out, "RIFF");
    put32(out, std::uint32_t(36 + clip.bytes.size() + (clip.bytes.size() & 1)));
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, kTagPcm);
    put16(out, std::uint16_t(clip.channels));
    put32(out, std::uint32_t(clip.sampleRate));
    put32(out, std::uint32_t(clip.sampleRate * frame));
    put16(out, std::uint16_t(frame));
    put16(out, std::uint16_t(bits));
    putTag(out, "data");
    put32(out, std::uint32_t(clip.bytes.size()));
    out.insert(out.end(), clip.bytes.begin(), clip.bytes.end());
    if (clip.bytes.size() & 1) out.push_back(0);
    return out;
}

} // namespace kok::platform
