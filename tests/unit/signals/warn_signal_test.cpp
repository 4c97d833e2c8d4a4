#include <gtest/gtest.h>

#include <chrono>

#include "capture_sound_device.h"
#include "platform/paths.h"
#include "settings/ini_file.h"
#include "settings/settings_file.h"
#include "signals/warn_signal.h"
#include "signals/wave_playback.h"
#include "support/temp_dir.h"

using namespace kok;
using namespace std::chrono_literals;

namespace {

// This test binary has a folder of its own, so its settings file is its own too.
class WarnSignal : public ::testing::Test {
  protected:
    void TearDown() override { std::filesystem::remove(settings::settingsFilePath()); }
    void writeSettings(const std::string& text) {
        test::writeBytes(settings::settingsFilePath(), text);
    }
};

} // namespace

TEST_F(WarnSignal, SpeakerFormIsSevenShortBeepsAfterLockAndRepaint) {
    std::filesystem::remove(settings::settingsFilePath()); // "WarnBeep" defaults to 1
    test::CaptureSoundDevice device;
    std::vector<std::string> order;
    const auto t0 = std::chrono::steady_clock::now();
    signal::PlayWarnSignal(
        [&] { order.push_back("lock"); },
        [&] { order.push_back("repaint:" + std::to_string(device.tones.size())); });
    const auto elapsed = std::chrono::steady_clock::now() - t0;
    EXPECT_EQ(order, (std::vector<std::string>{"lock", "repaint:0"}));
    ASSERT_EQ(device.tones.size(), 7u);
    for (const auto& t : device.tones) {
        EXPECT_EQ(t.samples.size(), std::size_t(t.sampleRate * 50 / 1000));
        EXPECT_NEAR(test::measuredFrequency(t.samples, t.sampleRate), 2000, 10);
    }
    EXPECT_GE(elapsed, 7 * 50ms); // the pauses (the capture device does not hold the tones)
    EXPECT_TRUE(device.clips.empty());
}

TEST_F(WarnSignal, ClipFormLoopsPreThenCutsItOff) {
    writeSettings("[kOk:TD]\r\nWarnBeep=0\r\n");
    test::CaptureSoundDevice device;
    int locks = 0, repaints = 0;
    const auto t0 = std::chrono::steady_clock::now();
    signal::PlayWarnSignal([&] { ++locks; }, [&] { ++repaints; });
    EXPECT_GE(std::chrono::steady_clock::now() - t0, 1500ms);
    EXPECT_EQ(locks, 1);
    EXPECT_EQ(repaints, 0);
    EXPECT_TRUE(device.tones.empty());
    ASSERT_EQ(device.clips.size(), 2u);
    EXPECT_EQ(device.clips[0].clip, signal::embeddedClip(signal::EmbeddedClip::Pre));
    EXPECT_TRUE(device.clips[0].loop);
    EXPECT_EQ(device.clips[1].clip, signal::embeddedClip(signal::EmbeddedClip::Silence));
}

TEST_F(WarnSignal, ClipFormLeavesAPlayingAlarmSoundAndThenCutsItOff) {
    writeSettings("[kOk:TD]\r\nWarnBeep=0\r\n");
    test::CaptureSoundDevice device;
    device.playing = true; // a looped alarm sound
    signal::PlayWarnSignal([] {}, [] {});
    ASSERT_EQ(device.clips.size(), 1u);
    EXPECT_EQ(device.clips[0].clip, signal::embeddedClip(signal::EmbeddedClip::Silence));
}
