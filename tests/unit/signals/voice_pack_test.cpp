// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>

#include "platform/paths.h"
#include "platform/sound_path.h"
#include "signals/voice_pack.h"
#include "signals/wave_playback.h"

using namespace kok;

namespace {

std::filesystem::path packPath() {
    return platform::executableDir() / signal::kVoicePackFileName;
}

// Mean square level of 16-bit mono samples over [from, to).
double rms(const platform::PcmClip& c, std::size_t from, std::size_t to) {
    double sum = 0;
    for (std::size_t i = from; i < to; ++i) {
        const auto v = std::int16_t(c.bytes[2 * i] | c.bytes[2 * i + 1] << 8);
        sum += double(v) * v;
    }
    return to > from ? std::sqrt(sum / double(to - from)) : 0.0;
}

} // namespace

TEST(VoicePack, HoldsEveryClipTheChimeNames) {
    if (!std::filesystem::exists(packPath())) GTEST_SKIP() << "no voice pack was built";
    std::vector<std::string> names = {"kok_midnight", "kok_afternoon", "kok_hour",
                                      "kok_hourz",    "kok_hours",     "kok_beeps"};
    for (int h = 1; h <= 23; ++h)
        if (h != 12) names.push_back((h < 10 ? "kok_num_0" : "kok_num_") + std::to_string(h));
    for (const auto& n : names) {
        const auto clip = signal::voiceClip(n);
        ASSERT_TRUE(clip) << n;
        EXPECT_GT(clip->seconds(), 0.2) << n;
    }
    EXPECT_FALSE(signal::voiceClip("kok_num_12"));
    EXPECT_FALSE(signal::voiceClip("kok_nothing"));
}

TEST(VoicePack, ThirteenIsSpeechOfPlausibleLength) {
    if (!std::filesystem::exists(packPath())) GTEST_SKIP() << "no voice pack was built";
    const auto clip = signal::voiceClip("kok_num_13");
    ASSERT_TRUE(clip);
    ASSERT_EQ(clip->format, platform::SampleFormat::S16);
    ASSERT_EQ(clip->channels, 1);
    // "тринадцать" spoken at an ordinary pace.
    EXPECT_GT(clip->seconds(), 0.5);
    EXPECT_LT(clip->seconds(), 2.0);
    // Speech: loud in places, quiet in others (syllables and pauses), not a steady tone.
    const std::size_t window = std::size_t(clip->sampleRate / 50); // 20 ms
    double loudest = 0, quietest = 1e9;
    int loudWindows = 0, windows = 0;
    for (std::size_t at = 0; at + window <= clip->frames(); at += window) {
        const double level = rms(*clip, at, at + window);
        loudest = std::max(loudest, level);
        quietest = std::min(quietest, level);
        loudWindows += level > 1000;
        ++windows;
    }
    EXPECT_GT(loudest, 3000);
    EXPECT_LT(quietest, loudest / 10);
    EXPECT_GT(loudWindows, windows / 4) << "mostly sound, not silence";
    // Longer than a one-syllable word of the same pack.
    EXPECT_GT(clip->seconds(), signal::voiceClip("kok_hour")->seconds());
}

// The hourly sound is short and pleasant; the alarm sound lasts a few seconds
// and grows louder, so that it wakes a sleeper without a start.
TEST(MediaSounds, ShippedBesideTheProgramTheAlarmOneRising) {
    const auto dir = std::filesystem::path(KOKTD_BIN_DIR);
    for (const char* name : {"MEDIA\\LOGOFF.wAv", "MEDIA\\NOTIFY.wAv"}) {
        const auto file = platform::resolveSoundPath(name, dir);
        ASSERT_FALSE(file.empty()) << name;
        const auto clip = signal::loadWave(file.string());
        ASSERT_TRUE(clip) << name;
        ASSERT_EQ(clip->channels, 1) << name;
        ASSERT_EQ(clip->format, platform::SampleFormat::S16) << name;
        const bool alarm = std::string(name).find("LOGOFF") != std::string::npos;
        EXPECT_GT(clip->seconds(), alarm ? 3.0 : 0.5) << name;
        EXPECT_LT(clip->seconds(), alarm ? 5.0 : 3.0) << name;
        const std::size_t second = std::size_t(clip->sampleRate);
        const double first = rms(*clip, 0, std::min(second, clip->frames()));
        EXPECT_GT(first, alarm ? 600 : 1000) << name << " is audible from the start";
        if (!alarm) continue;
        const double last = rms(*clip, clip->frames() - second, clip->frames());
        EXPECT_GT(last, 4 * first) << "the alarm grows louder";
        EXPECT_GT(last, 6000) << "and ends loud";
    }
}
