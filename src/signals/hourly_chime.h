// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/clock.h"
#include "signals/chime_trigger.h"

namespace kok::settings {
class IniFile;
}

namespace kok::signal {

// Kinds of the hourly chime.
inline constexpr int kChimeNone = 0;
inline constexpr int kChimeBeep = 1;      // the speaker call sign (beep pattern 1)
inline constexpr int kChimeWave = 2;      // the wave file of the setting "File"
inline constexpr int kChimeCallSigns = 3; // the call-sign beeps of the voice pack, at 59:55
inline constexpr int kChimeVoice = 4;     // the hour spoken from the voice pack

// One thing the chime does, in order.
struct ChimeStep {
    enum Action {
        Repaint,      // redraw the clock at once, so that the new time shows while we sound
        BeepPattern1, // holds the thread for the tone
        HourFile,     // the chime's wave file, once, not over a sound already playing
        VoiceAndWait, // a clip of the voice pack, played to its end
        Voice,        // a clip of the voice pack, in the background
    };
    Action action;
    std::string clip;
    friend bool operator==(const ChimeStep&, const ChimeStep&) = default;
};

// What the chime of `kind` does at the moments of a tick whose hour is `hour`.
std::vector<ChimeStep> chimeSteps(int kind, ChimeMoments moments, int hour);

// The hourly chime of the clock window: the kind in force and the moments
// already sounded.
class HourlyChime {
  public:
    // Reads the kind the settings choose, at every show of the window. When
    // several are switched on the later test wins: "Beep" over "Wave" over
    // "Voice" over "Sound".
    void load(const settings::IniFile& ini);
    int kind() const { return kind_; }

    // The check of one clock tick at `now`; `repaintNow` redraws the clock at once.
    void onTick(const platform::LocalTime& now, const std::function<void()>& repaintNow);

    // Told why the chime's file was refused (its size) and the default sound
    // played instead: once for each file while the program runs, not at every hour.
    void setSoundRefused(std::function<void(const std::string&)> tell) {
        soundRefused_ = std::move(tell);
    }

  private:
    int kind_ = kChimeNone;
    ChimeTrigger trigger_;
    std::function<void(const std::string&)> soundRefused_;
    std::set<std::string> told_; // the refusals said so far
};

} // namespace kok::signal
