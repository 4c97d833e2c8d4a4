// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QTimer>
#include <algorithm>
#include <chrono>
#include <thread>

#include "capture_sound_device.h"
#include "platform/paths.h"
#include "settings/ini_file.h"
#include "settings/settings_file.h"
#include "signals/warn_signal.h"
#include "signals/warning_lock.h"
#include "signals/wave_playback.h"
#include "support/core_app.h"
#include "support/program_folder.h"
#include "support/temp_dir.h"

using namespace kok;
using namespace std::chrono_literals;

namespace {

class WarnSignal : public ::testing::Test {
  protected:
    test::ProgramFolder folder; // starts without a settings file
    void writeSettings(const std::string& text) {
        test::writeBytes(settings::settingsFilePath(), text);
    }
};

} // namespace

TEST_F(WarnSignal, SpeakerFormIsSevenShortBeepsAfterLockAndRepaint) {
    // No settings file: "WarnBeep" defaults to 1.
    test::CaptureSoundDevice device;
    std::vector<std::string> order;
    signal::PlayWarnSignal(
        [&] { order.push_back("lock"); },
        [&] { order.push_back("repaint:" + std::to_string(device.tones.size())); });
    EXPECT_EQ(order, (std::vector<std::string>{"lock", "repaint:0"}));
    // One stream: seven times 50 ms of 2000 Hz, each followed by 50 ms of silence.
    ASSERT_EQ(device.tones.size(), 1u);
    const auto& all = device.tones[0].samples;
    const std::size_t beep = std::size_t(device.tones[0].sampleRate) * 50 / 1000;
    ASSERT_EQ(all.size(), 14 * beep);
    for (std::size_t i = 0; i < 7; ++i) {
        const std::vector<std::int16_t> tone(all.begin() + long(2 * i * beep),
                                             all.begin() + long((2 * i + 1) * beep));
        EXPECT_NEAR(test::measuredFrequency(tone, device.tones[0].sampleRate), 2000, 10) << i;
        EXPECT_TRUE(std::all_of(all.begin() + long((2 * i + 1) * beep),
                                all.begin() + long((2 * i + 2) * beep),
                                [](std::int16_t v) { return v == 0; }))
            << "pause " << i;
    }
    EXPECT_TRUE(device.clips.empty());
}

TEST_F(WarnSignal, ARunningLockKeepsItsCourse) {
    writeSettings("[kOk:TD]\r\nWarnBeep=1\r\n");
    test::coreApp();
    test::CaptureSoundDevice device;
    signal::WarningLock lock(nullptr);
    auto* locker = lock.findChild<QTimer*>("tt_locker");
    ASSERT_NE(locker, nullptr);
    locker->setTimerType(Qt::PreciseTimer);
    lock.start();
    std::this_thread::sleep_for(50ms);
    const int before = locker->remainingTime();
    ASSERT_LT(before, 59980);
    signal::PlayWarnSignal(lock, {});
    EXPECT_TRUE(lock.running());
    EXPECT_LE(locker->remainingTime(), before) << "the lock was started afresh";
    lock.restart(); // as a firing does
    EXPECT_GT(locker->remainingTime(), before);
    locker->stop();
    signal::PlayWarnSignal(lock, {});
    EXPECT_TRUE(lock.running());
    EXPECT_GT(locker->remainingTime(), 58000);
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
