// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound_file.h"

#include <sndfile.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/posix/shared_library.h"

namespace kok::platform {
namespace {

// A small compressed file can hold hours of sound: the decoded clip is cut
// here (about 25 minutes of CD-quality stereo).
constexpr std::size_t kMaxDecodedBytes = 256 * 1024 * 1024;
constexpr sf_count_t kChunkFrames = 4096;

// The file in memory as libsndfile's virtual input.
struct MemoryFile {
    std::span<const std::uint8_t> bytes;
    sf_count_t pos = 0;

    static MemoryFile& of(void* user) { return *static_cast<MemoryFile*>(user); }
    static sf_count_t length(void* user) { return sf_count_t(of(user).bytes.size()); }
    static sf_count_t tell(void* user) { return of(user).pos; }
    static sf_count_t seek(sf_count_t offset, int whence, void* user) {
        MemoryFile& f = of(user);
        const sf_count_t base = whence == SEEK_CUR ? f.pos : whence == SEEK_END ? length(user) : 0;
        sf_count_t to = 0;
        if (__builtin_add_overflow(base, offset, &to) || to < 0) return -1;
        f.pos = to; // past the end is allowed; reads there return nothing
        return to;
    }
    static sf_count_t read(void* out, sf_count_t count, void* user) {
        MemoryFile& f = of(user);
        const sf_count_t left = std::max<sf_count_t>(0, length(user) - f.pos);
        const sf_count_t n = std::clamp<sf_count_t>(count, 0, left);
        if (n > 0) std::memcpy(out, f.bytes.data() + f.pos, std::size_t(n));
        f.pos += n;
        return n;
    }
};

// libsndfile and its codecs are opened with the first sound file, not at
// start: a clock that plays no file never maps them.
struct SndfileApi {
    decltype(&sf_open_virtual) openVirtual;
    decltype(&sf_close) close;
    decltype(&sf_readf_short) readShort;
    decltype(&sf_readf_float) readFloat;
};

const SndfileApi* sndfile() {
    static const SharedLibrary lib("libsndfile.so.1");
    static const SndfileApi api{lib.function<decltype(&sf_open_virtual)>("sf_open_virtual"),
                                lib.function<decltype(&sf_close)>("sf_close"),
                                lib.function<decltype(&sf_readf_short)>("sf_readf_short"),
                                lib.function<decltype(&sf_readf_float)>("sf_readf_float")};
    static const bool complete = api.openVirtual && api.close && api.readShort && api.readFloat;
    return complete ? &api : nullptr;
}

// Float keeps what 16 bits would lose.
bool decodesToFloat(int format) {
    switch (format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_24:
    case SF_FORMAT_PCM_32:
    case SF_FORMAT_FLOAT:
    case SF_FORMAT_DOUBLE:
    case SF_FORMAT_VORBIS:
    case SF_FORMAT_OPUS:
        return true;
    default:
        return false;
    }
}

template <typename Sample>
void readFrames(SNDFILE* file, PcmClip& clip, sf_count_t (*read)(SNDFILE*, Sample*, sf_count_t)) {
    const std::size_t frameBytes = std::size_t(clip.bytesPerFrame());
    const std::size_t maxFrames = kMaxDecodedBytes / frameBytes;
    std::vector<Sample> chunk(std::size_t(kChunkFrames * clip.channels));
    for (std::size_t frames = 0; frames < maxFrames;) {
        const sf_count_t want = std::min<sf_count_t>(kChunkFrames, sf_count_t(maxFrames - frames));
        const sf_count_t got = read(file, chunk.data(), want);
        if (got <= 0) break;
        const auto* data = reinterpret_cast<const std::uint8_t*>(chunk.data());
        clip.bytes.insert(clip.bytes.end(), data, data + std::size_t(got) * frameBytes);
        frames += std::size_t(got);
        if (got < want) break;
    }
}

} // namespace

std::optional<PcmClip> decodeSoundFile(std::span<const std::uint8_t> file) {
    if (file.size() > kMaxSoundFileBytes) return std::nullopt;
    const SndfileApi* api = sndfile();
    if (!api) return std::nullopt;
    MemoryFile memory{file};
    SF_VIRTUAL_IO io{&MemoryFile::length, &MemoryFile::seek, &MemoryFile::read, nullptr,
                     &MemoryFile::tell};
    SF_INFO info{};
    const std::unique_ptr<SNDFILE, int (*)(SNDFILE*)> sound(
        api->openVirtual(&io, SFM_READ, &info, &memory), api->close);
    // Rates and channel counts the sound server takes.
    if (!sound || info.channels < 1 || info.channels > 8 || info.samplerate < 1000 ||
        info.samplerate > 384000)
        return std::nullopt;
    const bool wide = decodesToFloat(info.format);
    PcmClip clip{info.samplerate, info.channels, wide ? SampleFormat::F32 : SampleFormat::S16, {}};
    if (wide)
        readFrames<float>(sound.get(), clip, api->readFloat);
    else
        readFrames<short>(sound.get(), clip, api->readShort);
    if (clip.bytes.empty()) return std::nullopt;
    return clip;
}

} // namespace kok::platform
