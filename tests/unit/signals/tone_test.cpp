#include <gtest/gtest.h>

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

TEST(BeepPatterns, PatternTwoReachesTheDeviceAsTwoTonesWithAPause) {
    test::CaptureSoundDevice device;
    const auto t0 = std::chrono::steady_clock::now();
    signal::PlayBeepType(2);
    const auto elapsed = std::chrono::steady_clock::now() - t0;
    ASSERT_EQ(device.tones.size(), 2u);
    const auto& a = device.tones[0];
    const auto& b = device.tones[1];
    EXPECT_NEAR(measuredFrequency(a.samples, a.sampleRate), 2000, 10);
    EXPECT_EQ(a.samples.size(), std::size_t(a.sampleRate * 150 / 1000));
    EXPECT_NEAR(measuredFrequency(b.samples, b.sampleRate), 3000, 15);
    EXPECT_EQ(b.samples.size(), std::size_t(b.sampleRate * 300 / 1000));
    // The capture device does not hold the caller, so only the pause takes time.
    EXPECT_GE(elapsed, std::chrono::milliseconds(25));
}

TEST(BeepPatterns, UnknownPatternIsSilentAndImmediate) {
    test::CaptureSoundDevice device;
    const auto t0 = std::chrono::steady_clock::now();
    signal::PlayBeepType(0);
    signal::PlayBeepType(5);
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(5));
    EXPECT_TRUE(device.tones.empty());
}
