#include <gtest/gtest.h>

#include <filesystem>
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

class SettableClock final : public platform::Clock {
  public:
    platform::LocalTime now() const override { return t; }
    platform::LocalTime t;
};

int kindOf(const std::string& hourSection) {
    test::TempDir dir;
    test::writeBytes(dir / "kOkTD.KiF", "[kOk:TD:Hour]\r\n" + hourSection);
    return signal::readChimeKind(settings::IniFile(dir / "kOkTD.KiF"));
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

TEST(ChimeTrigger, EverySecondGivesEachMomentOnce) {
    signal::ChimeTrigger trigger;
    int tops = 0, calls = 0;
    for (int s = -20; s <= 20; ++s) {
        const int total = 13 * 3600 + s;
        const auto m = trigger.onTick(at(total / 3600, total / 60 % 60, total % 60));
        if (m.topOfHour) {
            ++tops;
            EXPECT_EQ(s, 0);
        }
        if (m.callSigns) {
            ++calls;
            EXPECT_EQ(s, -5);
        }
    }
    EXPECT_EQ(tops, 1);
    EXPECT_EQ(calls, 1);
}

TEST(ChimeTrigger, LateTickCatchesUpButNeverTwice) {
    signal::ChimeTrigger t;
    EXPECT_FALSE(t.onTick(at(12, 59, 54)).callSigns);
    EXPECT_TRUE(t.onTick(at(12, 59, 57)).callSigns); // 59:55 skipped
    EXPECT_FALSE(t.onTick(at(12, 59, 59)).topOfHour);
    EXPECT_TRUE(t.onTick(at(13, 0, 2)).topOfHour);  // 00:00 skipped
    EXPECT_FALSE(t.onTick(at(13, 0, 2)).topOfHour); // the same second again
    EXPECT_FALSE(t.onTick(at(13, 0, 3)).topOfHour);

    signal::ChimeTrigger twice;
    EXPECT_TRUE(twice.onTick(at(14, 0, 0)).topOfHour); // reads 00:00 on the first tick
    EXPECT_FALSE(twice.onTick(at(14, 0, 0)).topOfHour);
    EXPECT_FALSE(twice.onTick(at(14, 0, 1)).topOfHour);
}

TEST(ChimeTrigger, NoChimeLongAfterTheMoment) {
    signal::ChimeTrigger start;
    EXPECT_FALSE(start.onTick(at(13, 0, 30)).topOfHour); // started after the hour
    signal::ChimeTrigger suspended;
    suspended.onTick(at(12, 30, 0));
    EXPECT_FALSE(suspended.onTick(at(14, 37, 0)).topOfHour); // woke long after
    signal::ChimeTrigger past;
    past.onTick(at(12, 59, 59));
    EXPECT_FALSE(past.onTick(at(13, 1, 0)).topOfHour); // beyond the first minute
    // Call signs that would start after the hour they announce are dropped.
    signal::ChimeTrigger jump;
    jump.onTick(at(13, 59, 50));
    const auto m = jump.onTick(at(14, 0, 3));
    EXPECT_FALSE(m.callSigns);
    EXPECT_TRUE(m.topOfHour);
}

TEST(ChimeTrigger, MidnightAcrossTheDateAndTheMonth) {
    signal::ChimeTrigger t;
    t.onTick(at(23, 59, 59, 31));
    platform::LocalTime midnight = at(0, 0, 0, 1);
    midnight.month = 1;
    midnight.year = 2027;
    EXPECT_TRUE(t.onTick(midnight).topOfHour);
    EXPECT_EQ(signal::linearSeconds(midnight) - signal::linearSeconds(at(23, 59, 59, 31)), 1);
}

TEST(CheckHourlyChime, LateTickBeepsOnceAfterRepainting) {
    test::CaptureSoundDevice device;
    SettableClock clock;
    platform::ClockOverride useClock(clock);
    signal::ChimeKind = signal::kChimeBeep;
    int repaints = 0;
    std::size_t tonesAtRepaint = 99;
    auto repaint = [&] {
        ++repaints;
        tonesAtRepaint = device.tones.size();
    };
    for (auto t : {at(7, 59, 58), at(7, 59, 59), at(8, 0, 1), at(8, 0, 1), at(8, 0, 2)}) {
        clock.t = t;
        signal::CheckHourlyChime(repaint);
    }
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(tonesAtRepaint, 0u) << "the window is repainted before the tone";
    ASSERT_EQ(device.tones.size(), 1u);
    EXPECT_NEAR(test::measuredFrequency(device.tones[0].samples, device.tones[0].sampleRate), 1000,
                5);
    EXPECT_EQ(device.tones[0].samples.size(), std::size_t(device.tones[0].sampleRate * 750 / 1000));
    signal::ChimeKind = signal::kChimeNone;
}

TEST(CheckHourlyChime, WaveKindDoesNotPlayOverAPlayingSound) {
    test::CaptureSoundDevice device;
    SettableClock clock;
    platform::ClockOverride useClock(clock);
    signal::ChimeKind = signal::kChimeWave;
    device.playing = true;
    for (auto t : {at(8, 59, 59), at(9, 0, 0)}) {
        clock.t = t;
        signal::CheckHourlyChime({});
    }
    EXPECT_TRUE(device.clips.empty());
    device.playing = false;
    for (auto t : {at(9, 59, 59), at(10, 0, 0)}) {
        clock.t = t;
        signal::CheckHourlyChime({});
    }
    ASSERT_EQ(device.clips.size(), 1u);
    EXPECT_FALSE(device.clips[0].loop);
    signal::ChimeKind = signal::kChimeNone;
}

// The voice pack is copied beside this test when the build made one.
TEST(CheckHourlyChime, SpokenThirteenWaitsForTheNumberThenSaysHours) {
    if (!std::filesystem::exists(platform::executableDir() / signal::kVoicePackFileName))
        GTEST_SKIP() << "no voice pack was built (espeak-ng missing)";
    test::CaptureSoundDevice device;
    SettableClock clock;
    platform::ClockOverride useClock(clock);
    signal::ChimeKind = signal::kChimeVoice;
    for (auto t : {at(12, 59, 59), at(13, 0, 0)}) {
        clock.t = t;
        signal::CheckHourlyChime({});
    }
    ASSERT_EQ(device.clips.size(), 2u);
    EXPECT_TRUE(device.clips[0].waited);
    EXPECT_EQ(device.clips[0].clip->bytes, signal::voiceClip("kok_num_13")->bytes);
    EXPECT_FALSE(device.clips[1].waited);
    EXPECT_EQ(device.clips[1].clip->bytes, signal::voiceClip("kok_hours")->bytes);
    EXPECT_NE(device.clips[0].clip->bytes, device.clips[1].clip->bytes);
    signal::ChimeKind = signal::kChimeNone;
}
