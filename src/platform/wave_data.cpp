#include "platform/wave_data.h"

#include <cstring>
#include <string_view>

namespace kok::platform {
namespace {

constexpr std::uint16_t kTagPcm = 1;
constexpr std::uint16_t kTagFloat = 3;
constexpr std::uint16_t kTagExtensible = 0xFFFE;

std::uint32_t le32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}
std::uint16_t le16(const std::uint8_t* p) {
    return std::uint16_t(p[0] | p[1] << 8);
}

bool tagIs(const std::uint8_t* p, std::string_view tag) {
    return std::memcmp(p, tag.data(), 4) == 0;
}

std::optional<SampleFormat> formatOf(std::uint16_t tag, int bits) {
    if (tag == kTagFloat) return bits == 32 ? std::optional(SampleFormat::F32) : std::nullopt;
    if (tag != kTagPcm) return std::nullopt;
    switch (bits) {
    case 8:
        return SampleFormat::U8;
    case 16:
        return SampleFormat::S16;
    case 24:
        return SampleFormat::S24;
    case 32:
        return SampleFormat::S32;
    default:
        return std::nullopt;
    }
}

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

std::optional<PcmClip> parseWave(std::span<const std::uint8_t> file) {
    if (file.size() < 12 || !tagIs(file.data(), "RIFF") || !tagIs(file.data() + 8, "WAVE"))
        return std::nullopt;
    std::optional<PcmClip> clip;
    std::size_t pos = 12;
    while (pos <= file.size() && file.size() - pos >= 8) { // a pad byte may end past the file
        const std::uint8_t* chunk = file.data() + pos;
        const std::size_t size = le32(chunk + 4);
        const std::size_t available = file.size() - pos - 8;
        if (tagIs(chunk, "fmt ")) {
            if (size < 16 || size > available) return std::nullopt;
            std::uint16_t tag = le16(chunk + 8);
            const int channels = le16(chunk + 10);
            const std::uint32_t rate = le32(chunk + 12);
            const int bits = le16(chunk + 22);
            if (tag == kTagExtensible) {
                if (size < 40) return std::nullopt;
                tag = le16(chunk + 8 + 24); // first two bytes of the sub-format GUID
            }
            const auto format = formatOf(tag, bits);
            if (!format || channels < 1 || channels > 8 || rate < 1000 || rate > 384000)
                return std::nullopt;
            clip = PcmClip{int(rate), channels, *format, {}};
        } else if (tagIs(chunk, "data")) {
            if (!clip) return std::nullopt; // the format must come first
            const std::size_t take = std::min(size, available);
            const std::size_t whole = take - take % std::size_t(clip->bytesPerFrame());
            clip->bytes.assign(chunk + 8, chunk + 8 + whole);
            return clip;
        }
        if (size > available) break;
        pos += 8 + size + (size & 1); // chunks are padded to even lengths
    }
    return std::nullopt;
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
