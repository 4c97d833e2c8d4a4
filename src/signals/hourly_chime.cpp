// SPDX-License-Identifier: GPL-3.0-or-later
#include "signals/hourly_chime.h"

#include <cstdio>

#include "platform/sound_device.h"
#include "settings/keys.h"
#include "settings/settings_file.h"
#include "signals/sound.h"
#include "signals/voice_pack.h"
#include "signals/wave_playback.h"

namespace kok::signal {
namespace {

// The word for "hour" that goes with a number: час, часа or часов.
std::string hourWordClip(int hour) {
    if (hour == 1 || hour == 21) return "kok_hour";
    if ((hour >= 2 && hour <= 4) || hour == 22 || hour == 23) return "kok_hourz";
    return "kok_hours";
}

std::string numberClip(int hour) {
    char name[16];
    std::snprintf(name, sizeof name, "kok_num_%02d", hour);
    return name;
}

void spokenHour(std::vector<ChimeStep>& steps, int hour) {
    steps.push_back({ChimeStep::Repaint, {}});
    if (hour == 0) {
        steps.push_back({ChimeStep::Voice, "kok_midnight"});
    } else if (hour == 12) {
        steps.push_back({ChimeStep::Voice, "kok_afternoon"});
    } else {
        steps.push_back({ChimeStep::VoiceAndWait, numberClip(hour)});
        steps.push_back({ChimeStep::Voice, hourWordClip(hour)});
    }
}

// Why the file was refused for its size, or nothing.
std::string playHourFile() {
    namespace hour = settings::hour;
    const std::string file =
        settings::openSettings().readString(hour::kName, hour::kFile, hour::kFileDefault);
    if (PlayWaveFile(file, false, true) != WaveStart::TooLarge) return {};
    return waveFileRefusal(file);
}

// Why a sound of the step did not play as set, or nothing.
std::string run(const ChimeStep& step, const std::function<void()>& repaintNow) {
    switch (step.action) {
    case ChimeStep::Repaint:
        if (repaintNow) repaintNow();
        break;
    case ChimeStep::BeepPattern1:
        PlayBeepType(1);
        break;
    case ChimeStep::HourFile:
        return playHourFile();
    case ChimeStep::VoiceAndWait:
        if (auto clip = voiceClip(step.clip)) platform::soundDevice().playClipAndWait(clip);
        break;
    case ChimeStep::Voice:
        if (auto clip = voiceClip(step.clip)) PlayClip(clip, false);
        break;
    }
    return {};
}

int readChimeKind(const settings::IniFile& ini) {
    namespace hour = settings::hour;
    if (!ini.readFlag(hour::kName, hour::kUse, hour::kUseDefault)) return kChimeNone;
    int kind = kChimeNone;
    if (ini.readFlag(hour::kName, hour::kSound, hour::kSoundDefault)) kind = kChimeCallSigns;
    if (ini.readFlag(hour::kName, hour::kVoice, hour::kVoiceDefault)) kind = kChimeVoice;
    if (ini.readFlag(hour::kName, hour::kWave, hour::kWaveDefault)) kind = kChimeWave;
    if (ini.readFlag(hour::kName, hour::kBeep, hour::kBeepDefault)) kind = kChimeBeep;
    return kind;
}

} // namespace

std::vector<ChimeStep> chimeSteps(int kind, ChimeMoments moments, int hour) {
    std::vector<ChimeStep> steps;
    if (moments.topOfHour) {
        switch (kind) {
        case kChimeBeep:
            steps.push_back({ChimeStep::Repaint, {}});
            steps.push_back({ChimeStep::BeepPattern1, {}});
            break;
        case kChimeWave:
            steps.push_back({ChimeStep::HourFile, {}});
            break;
        case kChimeVoice:
            spokenHour(steps, hour);
            break;
        default:
            break;
        }
    }
    if (moments.callSigns && kind == kChimeCallSigns)
        steps.push_back({ChimeStep::Voice, "kok_beeps"});
    return steps;
}

void HourlyChime::load(const settings::IniFile& ini) {
    kind_ = readChimeKind(ini);
}

void HourlyChime::onTick(const platform::LocalTime& now, const std::function<void()>& repaintNow) {
    // Every tick passes through, so that a moment missed while the chime was
    // off is not made up for later.
    const ChimeMoments moments = trigger_.onTick(now);
    if (kind_ <= kChimeNone) return;
    for (const ChimeStep& step : chimeSteps(kind_, moments, now.hour)) {
        const std::string why = run(step, repaintNow);
        if (why.empty() || !soundRefused_ || !told_.insert(why).second) continue;
        soundRefused_(why);
    }
}

} // namespace kok::signal
