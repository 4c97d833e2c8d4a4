// SPDX-License-Identifier: GPL-3.0-or-later
#include "signals/warn_signal.h"

#include "settings/keys.h"
#include "settings/settings_file.h"
#include "signals/sound.h"
#include "signals/warning_lock.h"
#include "signals/wave_playback.h"

namespace kok::signal {
namespace {

constexpr int kSpeakerBeeps = 7;
constexpr std::uint16_t kSpeakerBeepHz = 2000;
constexpr int kSpeakerBeepMs = 50;
constexpr int kClipWarningMs = 1500;

} // namespace

void PlayWarnSignal(const std::function<void()>& startLock,
                    const std::function<void()>& repaintNow) {
    namespace main = settings::main_section;
    const settings::IniFile ini = settings::openSettings();
    if (startLock) startLock();
    if (ini.readFlag(main::kName, main::kWarnBeep, main::kWarnBeepDefault)) {
        if (repaintNow) repaintNow();
        std::vector<BeepStep> steps;
        for (int i = 0; i < kSpeakerBeeps; ++i)
            steps.insert(steps.end(), {{kSpeakerBeepHz, kSpeakerBeepMs}, {0, kSpeakerBeepMs}});
        PlaySteps(steps);
        return;
    }
    PlayClip(embeddedClip(EmbeddedClip::Pre), true, true);
    WaitMs(kClipWarningMs);
    StopSound();
}

void PlayWarnSignal(WarningLock& lock, const std::function<void()>& repaintNow) {
    PlayWarnSignal([&lock] { lock.start(); }, repaintNow);
}

} // namespace kok::signal
