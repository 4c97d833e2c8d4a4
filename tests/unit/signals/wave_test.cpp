#include <gtest/gtest.h>

#include <QFile>
#include <string>

#include "capture_sound_device.h"
#include "platform/sound_path.h"
#include "platform/wave_data.h"
#include "signals/wave_playback.h"
#include "support/temp_dir.h"

using namespace kok;
using platform::PcmClip;
using platform::SampleFormat;

namespace {

std::vector<std::uint8_t> resourceBytes(const char* name) {
    QFile f(name);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    const QByteArray b = f.readAll();
    return {b.begin(), b.end()};
}

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}

// The canonical 44-byte header of 8-bit mono PCM at 8000 samples/s.
void expectPcm8Mono8k(const std::vector<std::uint8_t>& f, std::uint32_t dataBytes) {
    ASSERT_GE(f.size(), 44u + dataBytes);
    EXPECT_EQ(std::string(f.begin(), f.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(f.begin() + 8, f.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(le32(f, 16), 16u);
    EXPECT_EQ(f[20] | f[21] << 8, 1); // PCM
    EXPECT_EQ(f[22] | f[23] << 8, 1); // mono
    EXPECT_EQ(le32(f, 24), 8000u);    // samples per second
    EXPECT_EQ(le32(f, 28), 8000u);    // bytes per second
    EXPECT_EQ(f[32] | f[33] << 8, 1); // block align
    EXPECT_EQ(f[34] | f[35] << 8, 8); // bits per sample
    EXPECT_EQ(std::string(f.begin() + 36, f.begin() + 40), "data");
    EXPECT_EQ(le32(f, 40), dataBytes);
    EXPECT_EQ(le32(f, 4), f.size() - 8);
}

PcmClip pcm16(int rate, int channels, std::size_t frames) {
    PcmClip c{rate, channels, SampleFormat::S16, {}};
    c.bytes.resize(frames * std::size_t(channels) * 2);
    for (std::size_t i = 0; i < c.bytes.size(); ++i)
        c.bytes[i] = std::uint8_t(i * 7);
    return c;
}

} // namespace

TEST(EmbeddedClips, PreIsA140MsTone) {
    const auto f = resourceBytes(":/sounds/pre.wav");
    expectPcm8Mono8k(f, 1120);
    const auto clip = signal::embeddedClip(signal::EmbeddedClip::Pre);
    ASSERT_EQ(clip->bytes.size(), 1120u);
    EXPECT_DOUBLE_EQ(clip->seconds(), 0.140);
    int peak = 0;
    for (auto v : clip->bytes)
        peak = std::max(peak, std::abs(int(v) - 0x80));
    EXPECT_GT(peak, 60) << "a tone, not silence";
}

TEST(EmbeddedClips, SilenceIs43SamplesOf0x80) {
    const auto f = resourceBytes(":/sounds/silence.wav");
    expectPcm8Mono8k(f, 43);
    const auto clip = signal::embeddedClip(signal::EmbeddedClip::Silence);
    ASSERT_EQ(clip->bytes.size(), 43u);
    for (auto v : clip->bytes)
        EXPECT_EQ(v, 0x80);
    EXPECT_GT(signal::embeddedClip(signal::EmbeddedClip::Default)->frames(), 1000u);
}

TEST(WaveData, RoundTripsAndSkipsUnknownAndPaddedChunks) {
    const PcmClip clip = pcm16(22050, 2, 101);
    auto file = platform::makeWave(clip);
    // An odd-sized LIST chunk (padded) before the data chunk.
    const std::vector<std::uint8_t> list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    file.insert(file.begin() + 36, list.begin(), list.end());
    const auto parsed = platform::parseWave(file);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->sampleRate, 22050);
    EXPECT_EQ(parsed->channels, 2);
    EXPECT_EQ(parsed->format, SampleFormat::S16);
    EXPECT_EQ(parsed->bytes, clip.bytes);
}

TEST(WaveData, TruncatedDataIsCutToWholeFrames) {
    auto file = platform::makeWave(pcm16(8000, 2, 100));
    file.resize(file.size() - 5); // the data chunk now claims more than is there
    const auto parsed = platform::parseWave(file);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->bytes.size(), 392u); // 395 bytes left, 4-byte frames
}

TEST(WaveData, RejectsWhatIsNotPlayablePcm) {
    const auto good = platform::makeWave(pcm16(8000, 1, 10));
    auto bad = [&](auto change) {
        auto f = good;
        change(f);
        return !platform::parseWave(f).has_value();
    };
    EXPECT_TRUE(bad([](auto& f) { f[0] = 'X'; })); // not RIFF
    EXPECT_TRUE(bad([](auto& f) { f[20] = 2; }));  // ADPCM
    EXPECT_TRUE(bad([](auto& f) { f[22] = 0; }));  // no channels
    EXPECT_TRUE(bad([](auto& f) { f[34] = 12; })); // 12 bits
    EXPECT_TRUE(bad([](auto& f) {
        f[16] = 0xFF;
        f[19] = 0x7F;
    }));                                             // fmt larger than the file
    EXPECT_TRUE(bad([](auto& f) { f.resize(30); })); // cut inside fmt
    EXPECT_TRUE(
        bad([](auto& f) { std::swap_ranges(f.begin() + 12, f.begin() + 16, f.begin() + 36); }));
    EXPECT_FALSE(platform::parseWave(std::vector<std::uint8_t>{}).has_value());
    // An odd-sized last chunk without its pad byte: the next chunk would start
    // past the end (found by fuzzing; read out of bounds before).
    auto f = good;
    f.resize(36);
    const std::vector<std::uint8_t> odd = {'j', 'u', 'n', 'k', 3, 0, 0, 0, 1, 2, 3};
    f.insert(f.end(), odd.begin(), odd.end());
    EXPECT_FALSE(platform::parseWave(f).has_value());
}

TEST(SoundPath, WindowsPathsResolveBesideTheProgramInAnyCase) {
    test::TempDir dir;
    std::filesystem::create_directories(dir / "MEDIA");
    test::writeBytes(dir / "MEDIA" / "LOGOFF.wav", "x");
    test::writeBytes(dir / "MEDIA" / "NOTIFY.wav", "x");
    test::writeBytes(dir / "MEDIA" / "notify.WAV", "y"); // differs only in case
    const auto logoff = dir / "MEDIA" / "LOGOFF.wav";
    EXPECT_EQ(platform::resolveSoundPath("MEDIA\\LOGOFF.wAv", dir.path()), logoff);
    EXPECT_EQ(platform::resolveSoundPath("media/logoff.WAV", dir.path()), logoff);
    EXPECT_EQ(platform::resolveSoundPath(".\\MEDIA\\..\\MEDIA\\LOGOFF.wav", dir.path()), logoff);
    EXPECT_EQ(platform::resolveSoundPath(logoff.string(), "/nonexistent"), logoff);
    // The exact name wins over one that differs only in case.
    EXPECT_EQ(platform::resolveSoundPath("MEDIA\\notify.WAV", dir.path()),
              dir / "MEDIA" / "notify.WAV");
    EXPECT_TRUE(platform::resolveSoundPath("MEDIA\\NONE.wav", dir.path()).empty());
    EXPECT_TRUE(platform::resolveSoundPath("MEDIA", dir.path()).empty()); // a folder
    EXPECT_TRUE(platform::resolveSoundPath("", dir.path()).empty());
}

TEST(PlayWaveFile, MissingFilePlaysTheDefaultSoundAndLoopIsPassedOn) {
    test::CaptureSoundDevice device;
    signal::PlayWaveFile("MEDIA\\NO_SUCH_FILE.wav", true);
    signal::PlayWaveFile("", false);
    ASSERT_EQ(device.clips.size(), 2u);
    EXPECT_EQ(device.clips[0].clip, signal::embeddedClip(signal::EmbeddedClip::Default));
    EXPECT_TRUE(device.clips[0].loop);
    EXPECT_EQ(device.clips[1].clip, signal::embeddedClip(signal::EmbeddedClip::Default));
    EXPECT_FALSE(device.clips[1].loop);
}

TEST(PlayWaveFile, PlaysTheFileAndNoStopLeavesAPlayingSoundAlone) {
    test::TempDir dir;
    const PcmClip clip = pcm16(11025, 1, 300);
    const auto bytes = platform::makeWave(clip);
    test::writeBytes(dir / "Chime.WAV", std::string(bytes.begin(), bytes.end()));
    test::CaptureSoundDevice device;
    device.playing = true;
    signal::PlayWaveFile((dir / "chime.wav").string(), false, true);
    EXPECT_TRUE(device.clips.empty());
    device.playing = false;
    signal::PlayWaveFile((dir / "chime.wav").string(), false, true);
    ASSERT_EQ(device.clips.size(), 1u);
    EXPECT_EQ(device.clips[0].clip->bytes, clip.bytes);
    EXPECT_EQ(device.clips[0].clip->sampleRate, 11025);
}

TEST(StopSound, StartsTheSilenceClipOverWhateverPlays) {
    test::CaptureSoundDevice device;
    device.playing = true;
    signal::StopSound();
    ASSERT_EQ(device.clips.size(), 1u);
    EXPECT_EQ(device.clips[0].clip, signal::embeddedClip(signal::EmbeddedClip::Silence));
    EXPECT_FALSE(device.clips[0].loop);
}
