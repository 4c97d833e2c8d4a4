// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "capture_sound_device.h"
#include "signals/sound.h"
#include "signals/tone_synth.h"

using namespace kok;
using kok::test::measuredFrequency;

TEST(ToneSynth, FrequencyAndLengthAreExact) {
    for (unsigned hz : {100u, 1000u, 2000u, 3000u}) {
        for (int ms : {50, 125, 150, 300, 500, 750}) {
            const auto s = signal::synthesiseTone(hz, ms);
            EXPECT_EQ(s.size(), std::size_t(ms * signal::kToneSampleRate / 1000))
                << hz << " " << ms;
            if (hz * ms >= 2 * 1000 * 3) { // at least a few periods to count
                EXPECT_NEAR(measuredFrequency(s, signal::kToneSampleRate), hz, hz * 0.005)
                    << hz << " Hz for " << ms << " ms";
            }
        }
    }
    EXPECT_TRUE(signal::synthesiseTone(1000, 0).empty());
    EXPECT_TRUE(signal::synthesiseTone(1000, -1).empty());
}

TEST(ToneSynth, StartsAndEndsSilentAndIsLoudInBetween) {
    const auto s = signal::synthesiseTone(1000, 100);
    EXPECT_EQ(s.front(), 0);
    EXPECT_LT(std::abs(s.back()), 200);
    int peak = 0;
    for (auto v : s)
        peak = std::max(peak, std::abs(int(v)));
    EXPECT_GT(peak, 12000);
    EXPECT_LT(peak, 32767);
}

TEST(PlayTone, SendsTheExactToneToTheDevice) {
    test::CaptureSoundDevice device;
    signal::PlayTone(2000, 150);
    ASSERT_EQ(device.tones.size(), 1u);
    EXPECT_EQ(device.tones[0].samples.size(), std::size_t(150 * device.tones[0].sampleRate / 1000));
    EXPECT_NEAR(measuredFrequency(device.tones[0].samples, device.tones[0].sampleRate), 2000, 10);
}

TEST(PlayTone, NothingForNoLengthOrAnUnplayableFrequency) {
    test::CaptureSoundDevice device;
    signal::PlayTone(1000, 0);
    signal::PlayTone(1000, -1);
    signal::PlayTone(1000, -500);
    signal::PlayTone(36, 100);
    signal::PlayTone(0, 100);
    EXPECT_TRUE(device.tones.empty());
    signal::PlayTone(37, 100);
    EXPECT_EQ(device.tones.size(), 1u);
}

TEST(BeepPatterns, SequencesAndTotals) {
    using S = signal::BeepStep;
    EXPECT_EQ(signal::beepSequence(1), (std::vector<S>{{1000, 750}}));
    EXPECT_EQ(signal::beepSequence(2), (std::vector<S>{{2000, 150}, {0, 25}, {3000, 300}}));
    EXPECT_EQ(signal::beepSequence(3),
              (std::vector<S>{{100, 500}, {0, 250}, {100, 500}, {0, 250}, {100, 500}, {0, 250}}));
    EXPECT_EQ(signal::beepSequence(4), (std::vector<S>{{2000, 125},
                                                       {0, 25},
                                                       {2000, 125},
                                                       {0, 25},
                                                       {2000, 125},
                                                       {0, 25},
                                                       {2000, 125},
                                                       {0, 25}}));
    const int totals[] = {0, 750, 475, 2250, 600, 0};
    for (int type = 0; type <= 5; ++type) {
        int total = 0;
        for (const S& s : signal::beepSequence(type))
            total += s.durationMs;
        EXPECT_EQ(total, totals[type]) << "pattern " << type;
    }
    EXPECT_TRUE(signal::beepSequence(-1).empty());
}

TEST(BeepPatterns, PatternTwoReachesTheDeviceAsOneStreamWithAnExactPause) {
    test::CaptureSoundDevice device;
    signal::PlayBeepType(2);
    ASSERT_EQ(device.tones.size(), 1u);
    const auto& all = device.tones[0].samples;
    const int rate = device.tones[0].sampleRate;
    const auto ms = [rate](int v) { return std::size_t(v) * std::size_t(rate) / 1000; };
    ASSERT_EQ(all.size(), ms(475));
    const std::vector<std::int16_t> first(all.begin(), all.begin() + long(ms(150)));
    const std::vector<std::int16_t> pause(all.begin() + long(ms(150)), all.begin() + long(ms(175)));
    const std::vector<std::int16_t> second(all.begin() + long(ms(175)), all.end());
    EXPECT_NEAR(measuredFrequency(first, rate), 2000, 10);
    EXPECT_EQ(pause, std::vector<std::int16_t>(ms(25), 0));
    EXPECT_NEAR(measuredFrequency(second, rate), 3000, 15);
}

TEST(BeepPatterns, PatternThreeEndsWithItsPause) {
    test::CaptureSoundDevice device;
    signal::PlayBeepType(3);
    ASSERT_EQ(device.tones.size(), 1u);
    const auto& all = device.tones[0].samples;
    const std::size_t perMs = std::size_t(device.tones[0].sampleRate) / 1000;
    ASSERT_EQ(all.size(), 2250 * perMs);
    for (std::size_t i = 2000 * perMs; i < all.size(); ++i)
        ASSERT_EQ(all[i], 0) << "sample " << i;
    EXPECT_NE(std::count(all.begin(), all.begin() + long(500 * perMs), std::int16_t(0)),
              long(500 * perMs));
}

TEST(BeepPatterns, UnknownPatternIsSilentAndImmediate) {
    test::CaptureSoundDevice device;
    const auto t0 = std::chrono::steady_clock::now();
    signal::PlayBeepType(0);
    signal::PlayBeepType(5);
    // Returns at once, with room for a busy machine; nothing played is checked below.
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(500));
    EXPECT_TRUE(device.tones.empty());
}
