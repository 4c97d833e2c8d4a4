// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "capture_sound_device.h"
#include "platform/clock.h"
#include "platform/paths.h"
#include "settings/ini_file.h"
#include "signals/chime_trigger.h"
#include "signals/hourly_chime.h"
#include "signals/voice_pack.h"
#include "support/temp_dir.h"

using namespace kok;
using signal::ChimeStep;
using Steps = std::vector<ChimeStep>;

namespace {

platform::LocalTime at(int hour, int minute, int second, int day = 8) {
    platform::LocalTime t;
    t.year = 2026;
    t.month = 12;
    t.day = day;
    t.hour = hour;
    t.minute = minute;
    t.second = second;
    return t;
}

// A chime loaded from a settings file whose hour section is `hourSection`.
signal::HourlyChime chimeOf(const std::string& hourSection) {
    test::TempDir dir;
    test::writeBytes(dir / "kOkTD.KiF", "[kOk:TD:Hour]\r\n" + hourSection);
    signal::HourlyChime chime;
    chime.load(settings::IniFile(dir / "kOkTD.KiF"));
    return chime;
}

int kindOf(const std::string& hourSection) {
    return chimeOf(hourSection).kind();
}

const signal::ChimeMoments kTop{true, false};
const signal::ChimeMoments kCallSigns{false, true};

} // namespace

TEST(ChimeKind, LaterSettingWins) {
    EXPECT_EQ(kindOf(""), 0);
    EXPECT_EQ(kindOf("Use=0\r\nBeep=1\r\nVoice=1\r\n"), 0);
    EXPECT_EQ(kindOf("Use=1\r\n"), 1); // "Beep" defaults to on
    EXPECT_EQ(kindOf("Use=1\r\nWave=1\r\nBeep=1\r\n"), 1);
    EXPECT_EQ(kindOf("Use=1\r\nWave=1\r\nBeep=0\r\n"), 2);
    EXPECT_EQ(kindOf("Use=1\r\nSound=1\r\nBeep=0\r\n"), 3);
    EXPECT_EQ(kindOf("Use=1\r\nSound=1\r\nVoice=1\r\nBeep=0\r\n"), 4);
    EXPECT_EQ(kindOf("Use=1\r\nSound=1\r\nVoice=1\r\nWave=1\r\nBeep=0\r\n"), 2);
    EXPECT_EQ(kindOf("Use=1\r\nBeep=0\r\n"), 0);
}

TEST(ChimeSteps, SpokenHourPicksNumberAndWordForm) {
    const Steps repaint = {{ChimeStep::Repaint, {}}};
    auto spoken = [&](const char* number, const char* word) {
        Steps s = repaint;
        s.push_back({ChimeStep::VoiceAndWait, number});
        s.push_back({ChimeStep::Voice, word});
        return s;
    };
    EXPECT_EQ(signal::chimeSteps(4, kTop, 0),
              (Steps{repaint[0], {ChimeStep::Voice, "kok_midnight"}}));
    EXPECT_EQ(signal::chimeSteps(4, kTop, 12),
              (Steps{repaint[0], {ChimeStep::Voice, "kok_afternoon"}}));
    EXPECT_EQ(signal::chimeSteps(4, kTop, 1), spoken("kok_num_01", "kok_hour"));
    EXPECT_EQ(signal::chimeSteps(4, kTop, 2), spoken("kok_num_02", "kok_hourz"));
    EXPECT_EQ(signal::chimeSteps(4, kTop, 5), spoken("kok_num_05", "kok_hours"));
    EXPECT_EQ(signal::chimeSteps(4, kTop, 13), spoken("kok_num_13", "kok_hours"));
    EXPECT_EQ(signal::chimeSteps(4, kTop, 21), spoken("kok_num_21", "kok_hour"));
    EXPECT_EQ(signal::chimeSteps(4, kTop, 22), spoken("kok_num_22", "kok_hourz"));
    EXPECT_EQ(signal::chimeSteps(4, kTop, 23), spoken("kok_num_23", "kok_hourz"));
    EXPECT_TRUE(signal::chimeSteps(4, kCallSigns, 13).empty());
}

TEST(ChimeSteps, OtherKinds) {
    EXPECT_EQ(signal::chimeSteps(1, kTop, 9),
              (Steps{{ChimeStep::Repaint, {}}, {ChimeStep::BeepPattern1, {}}}));
    EXPECT_EQ(signal::chimeSteps(2, kTop, 9), (Steps{{ChimeStep::HourFile, {}}}));
    // Call signs five seconds before the hour, and nothing at the hour itself.
    EXPECT_EQ(signal::chimeSteps(3, kCallSigns, 9), (Steps{{ChimeStep::Voice, "kok_beeps"}}));
    EXPECT_TRUE(signal::chimeSteps(3, kTop, 10).empty());
    for (int kind : {0, 1, 2, 4})
        EXPECT_TRUE(signal::chimeSteps(kind, kCallSigns, 9).empty());
    EXPECT_TRUE(signal::chimeSteps(0, kTop, 9).empty());
    EXPECT_TRUE(signal::chimeSteps(1, {}, 9).empty());
}

TEST(ChimeTrigger, EverySecondOfTwoHoursGivesEachMomentOnce) {
    signal::ChimeTrigger trigger;
    std::vector<int> tops, calls;
    for (int s = 12 * 3600 + 1; s <= 14 * 3600 + 30; ++s) {
        const auto m = trigger.onTick(at(s / 3600, s / 60 % 60, s % 60));
        if (m.topOfHour) tops.push_back(s);
        if (m.callSigns) calls.push_back(s);
    }
    EXPECT_EQ(tops, (std::vector<int>{13 * 3600, 14 * 3600}));
    EXPECT_EQ(calls, (std::vector<int>{13 * 3600 - 5, 14 * 3600 - 5}));
}

// Runs of ticks "hh:mm:ss" (those before noon on the next day), each followed
// by what the tick should count: 'T' the full hour, 'C' the call signs, '-' nothing. The full hour
// is made up for by a late tick within minute 00; the call signs only ever start on a tick that
// reads 59:55, so that their last pip is not heard after the hour.
TEST(ChimeTrigger, LateAndRepeatedTicks) {
    const struct {
        const char* what;
        const char* ticks;
    } runs[] = {
        {"late ticks", "12:59:54- 12:59:57- 12:59:59- 13:00:02T 13:00:02- 13:00:03-"},
        {"late into the call-sign second", "12:59:53- 12:59:55C 12:59:58- 13:00:00T"},
        {"repeated seconds", "12:59:55C 12:59:55- 13:00:00T 13:00:00- 13:00:01-"},
        {"started after the call-sign second", "12:59:56- 13:00:30T"},
        {"started after the hour", "13:00:30- 13:00:31-"},
        {"woke long after", "12:30:00- 14:37:00-"},
        {"late beyond minute 00", "12:59:59- 13:01:00-"},
        {"one tick over both", "13:59:50- 14:00:03T"},
        {"clock set back", "13:00:10- 12:59:55C 13:00:00T"},
        {"clock set back past the second", "13:00:10- 12:59:58- 13:00:01T"},
        {"late into midnight", "23:59:54- 23:59:56- 00:00:01T"},
    };
    for (const auto& run : runs) {
        signal::ChimeTrigger trigger;
        std::string got, want;
        std::istringstream ticks(run.ticks);
        for (std::string tick; ticks >> tick;) {
            const int h = std::stoi(tick.substr(0, 2)), m = std::stoi(tick.substr(3, 2)),
                      s = std::stoi(tick.substr(6, 2));
            const auto moments = trigger.onTick(at(h, m, s, h < 12 ? 9 : 8));
            got += moments.topOfHour ? (moments.callSigns ? '!' : 'T')
                                     : (moments.callSigns ? 'C' : '-');
            want += tick.back();
        }
        EXPECT_EQ(got, want) << run.what;
    }
}

TEST(ChimeTrigger, MidnightAcrossTheMonthAndTheYear) {
    signal::ChimeTrigger t;
    t.onTick(at(23, 59, 58, 31));
    platform::LocalTime newYear = at(0, 0, 1, 1);
    newYear.month = 1;
    newYear.year = 2027;
    EXPECT_TRUE(t.onTick(newYear).topOfHour);
    EXPECT_EQ(signal::linearSeconds(newYear) - signal::linearSeconds(at(23, 59, 59, 31)), 2);
}

TEST(HourlyChime, LateTickBeepsOnceAfterRepainting) {
    test::CaptureSoundDevice device;
    signal::HourlyChime chime = chimeOf("Use=1\r\n");
    int repaints = 0;
    std::size_t tonesAtRepaint = 99;
    auto repaint = [&] {
        ++repaints;
        tonesAtRepaint = device.tones.size();
    };
    for (auto t : {at(7, 59, 58), at(7, 59, 59), at(8, 0, 1), at(8, 0, 1), at(8, 0, 2)})
        chime.onTick(t, repaint);
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(tonesAtRepaint, 0u) << "the window is repainted before the tone";
    ASSERT_EQ(device.tones.size(), 1u);
    EXPECT_NEAR(test::measuredFrequency(device.tones[0].samples, device.tones[0].sampleRate), 1000,
                5);
    EXPECT_EQ(device.tones[0].samples.size(), std::size_t(device.tones[0].sampleRate * 750 / 1000));
}

TEST(HourlyChime, WaveKindDoesNotPlayOverAPlayingSound) {
    test::CaptureSoundDevice device;
    signal::HourlyChime chime = chimeOf("Use=1\r\nWave=1\r\nBeep=0\r\n");
    device.playing = true;
    for (auto t : {at(8, 59, 59), at(9, 0, 0)})
        chime.onTick(t, {});
    EXPECT_TRUE(device.clips.empty());
    device.playing = false;
    for (auto t : {at(9, 59, 59), at(10, 0, 0)})
        chime.onTick(t, {});
    test::settleSound();
    ASSERT_EQ(device.clips.size(), 1u);
    EXPECT_FALSE(device.clips[0].loop);
}

// The voice pack is copied beside this test when the build made one.
TEST(HourlyChime, SpokenThirteenWaitsForTheNumberThenSaysHours) {
    if (!std::filesystem::exists(platform::executableDir() / signal::kVoicePackFileName))
        GTEST_SKIP() << "no voice pack was built (espeak-ng missing)";
    test::CaptureSoundDevice device;
    signal::HourlyChime chime = chimeOf("Use=1\r\nVoice=1\r\nBeep=0\r\n");
    for (auto t : {at(12, 59, 59), at(13, 0, 0)})
        chime.onTick(t, {});
    ASSERT_EQ(device.clips.size(), 2u);
    EXPECT_TRUE(device.clips[0].waited);
    EXPECT_EQ(device.clips[0].clip->bytes, signal::voiceClip("kok_num_13")->bytes);
    EXPECT_FALSE(device.clips[1].waited);
    EXPECT_EQ(device.clips[1].clip->bytes, signal::voiceClip("kok_hours")->bytes);
    EXPECT_NE(device.clips[0].clip->bytes, device.clips[1].clip->bytes);
}
