// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sndfile.h>

#include <QFile>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <functional>
#include <future>
#include <numbers>
#include <string>
#include <thread>

#include "capture_sound_device.h"
#include "platform/sound_file.h"
#include "platform/sound_path.h"
#include "platform/wave_data.h"
#include "signals/wave_playback.h"
#include "support/core_app.h"
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

// The first channel as 16-bit samples, whatever the clip's format.
std::vector<std::int16_t> firstChannel(const PcmClip& c) {
    const std::size_t width = std::size_t(c.bytesPerFrame() / c.channels);
    std::vector<std::int16_t> out;
    for (std::size_t at = 0; at + width <= c.bytes.size(); at += std::size_t(c.bytesPerFrame())) {
        const std::uint8_t* p = c.bytes.data() + at;
        if (c.format == SampleFormat::F32) {
            float f;
            std::memcpy(&f, p, sizeof f);
            out.push_back(std::int16_t(std::lround(std::clamp(f, -1.0f, 1.0f) * 32767)));
        } else if (c.format == SampleFormat::S16) {
            out.push_back(std::int16_t(p[0] | p[1] << 8));
        } else {
            ADD_FAILURE() << "not a decoded format";
            break;
        }
    }
    return out;
}

// Root mean square, full scale 1.
double rms(const std::vector<std::int16_t>& s) {
    double sum = 0;
    for (auto v : s)
        sum += double(v) * v;
    return s.empty() ? 0.0 : std::sqrt(sum / double(s.size())) / 32768;
}

// Full periods of a tone, counted with a margin around zero so that the
// noise of a lossy codec does not count as crossings.
int cycles(const std::vector<std::int16_t>& s) {
    int count = 0;
    bool low = false;
    for (auto v : s) {
        if (v < -3000) low = true;
        if (low && v > 3000) {
            ++count;
            low = false;
        }
    }
    return count;
}

// This sox writes no Opus.
void writeOpus(const std::filesystem::path& path, int rate) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = 1;
    info.format = SF_FORMAT_OGG | SF_FORMAT_OPUS;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_TRUE(f) << sf_strerror(nullptr);
    std::vector<float> sine(std::size_t(rate / 5));
    for (std::size_t i = 0; i < sine.size(); ++i)
        sine[i] = float(0.5 * std::sin(2 * std::numbers::pi * 440 * double(i) / rate));
    EXPECT_EQ(sf_writef_float(f, sine.data(), sf_count_t(sine.size())), sf_count_t(sine.size()));
    sf_close(f);
}

} // namespace

TEST(EmbeddedClips, PreIsA140MsTone) {
    const auto f = resourceBytes(":/sounds/pre.wav");
    expectPcm8Mono8k(f, 1120);
    const auto clip = signal::embeddedClip(signal::EmbeddedClip::Pre);
    ASSERT_EQ(clip->frames(), 1120u);
    EXPECT_DOUBLE_EQ(clip->seconds(), 0.140);
    EXPECT_GT(rms(firstChannel(*clip)), 0.3) << "a tone, not silence";
}

TEST(EmbeddedClips, SilenceIs43SamplesOf0x80) {
    const auto f = resourceBytes(":/sounds/silence.wav");
    expectPcm8Mono8k(f, 43);
    const auto clip = signal::embeddedClip(signal::EmbeddedClip::Silence);
    ASSERT_EQ(clip->frames(), 43u);
    EXPECT_EQ(rms(firstChannel(*clip)), 0.0);
    EXPECT_GT(signal::embeddedClip(signal::EmbeddedClip::Default)->frames(), 1000u);
}

// Every encoding a WAV file may have on Windows, and the compressed formats
// of desktop sound themes: 0.2 s of a 440 Hz sine at half scale each.
TEST(SoundFile, DecodesEveryEncodingToItsLengthAndPitch) {
    struct Row {
        const char* file;
        QStringList soxEncoding; // empty: written with libsndfile (no Opus in sox)
        int rate, channels;
        SampleFormat decoded;
    };
    const Row rows[] = {
        {"u8.wav", {"-e", "unsigned-integer", "-b", "8"}, 8000, 1, SampleFormat::S16},
        {"s16.wav", {"-e", "signed-integer", "-b", "16"}, 44100, 2, SampleFormat::S16},
        {"s24.wav", {"-e", "signed-integer", "-b", "24"}, 48000, 2, SampleFormat::F32},
        {"s32.wav", {"-e", "signed-integer", "-b", "32"}, 22050, 1, SampleFormat::F32},
        {"float.wav", {"-e", "floating-point", "-b", "32"}, 22050, 1, SampleFormat::F32},
        {"ulaw.wav", {"-e", "u-law"}, 8000, 1, SampleFormat::S16},
        {"alaw.wav", {"-e", "a-law"}, 8000, 1, SampleFormat::S16},
        {"ima.wav", {"-e", "ima-adpcm"}, 11025, 1, SampleFormat::S16},
        {"ms.wav", {"-e", "ms-adpcm"}, 22050, 2, SampleFormat::S16},
        {"gsm.wav", {"-e", "gsm-full-rate"}, 8000, 1, SampleFormat::S16},
        {"x.flac", {"-b", "16"}, 44100, 1, SampleFormat::S16},
        {"x.oga", {"-t", "vorbis"}, 44100, 2, SampleFormat::F32},
        {"x.opus", {}, 48000, 1, SampleFormat::F32},
    };
    test::TempDir dir;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        const auto path = dir / row.file;
        if (row.soxEncoding.isEmpty())
            writeOpus(path, row.rate);
        else
            ASSERT_EQ(
                QProcess::execute("sox", QStringList{"-n", "-r", QString::number(row.rate), "-c",
                                                     QString::number(row.channels)} +
                                             row.soxEncoding +
                                             QStringList{QString::fromStdString(path), "synth",
                                                         "0.2", "sine", "440", "vol", "0.5"}),
                0);
        const auto clip = signal::loadWave(path.string());
        ASSERT_TRUE(clip);
        EXPECT_EQ(clip->sampleRate, row.rate);
        EXPECT_EQ(clip->channels, row.channels);
        EXPECT_EQ(clip->format, row.decoded);
        EXPECT_NEAR(clip->seconds(), 0.2, 0.045); // ADPCM and GSM fill whole blocks
        auto mono = firstChannel(*clip);
        mono.resize(std::min(mono.size(), std::size_t(row.rate / 5))); // without the fill
        EXPECT_NEAR(rms(mono), 0.5 / std::sqrt(2.0), 0.05);
        EXPECT_NEAR(cycles(mono), 88, 2); // 0.2 s of 440 Hz
    }
}

// What cannot be decoded, and a file over the size limit however good,
// plays the default sound.
TEST(PlayWaveFile, UnplayableFilesPlayTheDefaultSoundAndLoopIsPassedOn) {
    test::TempDir dir;
    const auto good = platform::makeWave(pcm16(8000, 1, 800));
    const std::string wave(good.begin(), good.end());
    test::writeBytes(dir / "empty.wav", "");
    test::writeBytes(dir / "text.wav", "[kOk:TD]\r\nWarnBeep=1\r\n");
    test::writeBytes(dir / "cut.wav", wave.substr(0, 30)); // inside the format chunk
    test::writeBytes(dir / "huge.wav", wave);
    std::filesystem::resize_file(dir / "huge.wav", platform::kMaxSoundFileBytes + 1);
    const std::string files[] = {
        "MEDIA\\NO_SUCH_FILE.wav", "", "empty.wav", "text.wav", "cut.wav", "huge.wav"};
    test::CaptureSoundDevice device;
    for (const std::string& name : files) {
        signal::PlayWaveFile(name.empty() ? name : (dir / name).string(), name != "cut.wav");
        test::settleSound();
    }
    ASSERT_EQ(device.clips.size(), std::size(files));
    for (std::size_t i = 0; i < device.clips.size(); ++i) {
        EXPECT_EQ(device.clips[i].clip, signal::embeddedClip(signal::EmbeddedClip::Default))
            << files[i];
        EXPECT_EQ(device.clips[i].loop, files[i] != "cut.wav");
    }
    // The one refused for its size says so, naming the limit; the caller
    // shows it.
    EXPECT_EQ(signal::PlayWaveFile((dir / "huge.wav").string(), false),
              signal::WaveStart::TooLarge);
    const std::string why = signal::waveFileRefusal((dir / "huge.wav").string());
    EXPECT_NE(why.find("64"), std::string::npos) << why;
    EXPECT_NE(why.find("huge.wav"), std::string::npos) << why;
    for (const char* fine : {"MEDIA\\NO_SUCH_FILE.wav", "text.wav", "cut.wav"})
        EXPECT_EQ(signal::waveFileRefusal((dir / fine).string()), "") << fine;
    // The same file within the limit plays.
    std::filesystem::resize_file(dir / "huge.wav", good.size());
    EXPECT_EQ(signal::waveFileRefusal((dir / "huge.wav").string()), "");
    EXPECT_EQ(signal::PlayWaveFile((dir / "huge.wav").string(), false), signal::WaveStart::Started);
    test::settleSound();
    EXPECT_EQ(device.clips.back().clip->frames(), 800u);
}

// A file is decoded on a worker while the caller's thread (the clock's) goes
// on: the decoder below is held until the caller has returned and handled its
// own events, which a decode on the caller's thread could never see. A sound
// started or stopped meanwhile wins over the late file.
TEST(PlayWaveFile, DecodesOffTheCallersThreadAndALaterSoundWins) {
    test::coreApp();
    test::TempDir dir;
    test::writeBytes(dir / "big.wav", "decoded by the stand-in below");
    const auto decoded = std::make_shared<const PcmClip>(pcm16(8000, 1, 8));
    struct Held {
        std::promise<void> release;
        std::atomic<bool> timedOut = false;
        std::thread::id thread;
    };
    auto held = std::make_shared<Held>();
    signal::WaveDecoderOverride slow([&held, decoded](const std::string&) {
        const std::shared_ptr<Held> mine = held;
        mine->thread = std::this_thread::get_id();
        // Long enough for any machine; reached only when the caller is held.
        if (mine->release.get_future().wait_for(std::chrono::seconds(30)) !=
            std::future_status::ready)
            mine->timedOut = true;
        return decoded;
    });
    test::CaptureSoundDevice device;
    const std::string big = (dir / "big.wav").string();

    ASSERT_EQ(signal::PlayWaveFile(big, true), signal::WaveStart::Started);
    bool ticked = false;
    QTimer::singleShot(0, [&] { ticked = true; });
    QCoreApplication::processEvents();
    EXPECT_TRUE(ticked) << "the caller's timers run while the file decodes";
    EXPECT_TRUE(device.clips.empty()) << "nothing plays before it is decoded";
    // A chime (no-stop) does not cut in while an alarm's file is decoding.
    EXPECT_EQ(signal::PlayWaveFile(big, false, true), signal::WaveStart::Skipped);
    auto first = held;
    first->release.set_value();
    test::settleSound();
    EXPECT_FALSE(first->timedOut);
    EXPECT_NE(first->thread, std::this_thread::get_id());
    ASSERT_EQ(device.clips.size(), 1u);
    EXPECT_EQ(device.clips[0].clip, decoded);
    EXPECT_TRUE(device.clips[0].loop);

    // Stopped, or replaced by another sound, while decoding: the file never starts.
    const std::function<void()> meanwhile[] = {
        [] { signal::StopSound(); },
        [] { signal::PlayClip(signal::embeddedClip(signal::EmbeddedClip::Pre), false); },
    };
    for (const auto& other : meanwhile) {
        held = std::make_shared<Held>();
        device.clips.clear();
        auto mine = held;
        ASSERT_EQ(signal::PlayWaveFile(big, false), signal::WaveStart::Started);
        other();
        mine->release.set_value();
        test::settleSound();
        EXPECT_FALSE(mine->timedOut);
        ASSERT_EQ(device.clips.size(), 1u);
        EXPECT_NE(device.clips[0].clip, decoded);
    }
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

TEST(PlayWaveFile, PlaysTheFileAndNoStopLeavesAPlayingSoundAlone) {
    test::TempDir dir;
    const PcmClip clip = pcm16(11025, 1, 300);
    const auto bytes = platform::makeWave(clip);
    test::writeBytes(dir / "Chime.WAV", std::string(bytes.begin(), bytes.end()));
    test::CaptureSoundDevice device;
    device.playing = true;
    EXPECT_EQ(signal::PlayWaveFile((dir / "chime.wav").string(), false, true),
              signal::WaveStart::Skipped);
    test::settleSound();
    EXPECT_TRUE(device.clips.empty());
    device.playing = false;
    signal::PlayWaveFile((dir / "chime.wav").string(), false, true);
    test::settleSound();
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
