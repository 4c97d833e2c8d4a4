// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/wave_data.h"

namespace kok::signal {

// The program's own clips.
enum class EmbeddedClip {
    Pre,     // the sound-card pre-warning, a short tone played looped
    Silence, // 43 samples of silence that end whatever is playing
    Default, // stands in for a wave file that cannot be played
};
std::shared_ptr<const platform::PcmClip> embeddedClip(EmbeddedClip which);

// Starts playing a wave file in the background and returns at once. The path
// may be written the Windows way and relative to the program's folder. With
// `loop` it repeats until another sound replaces it; with `noStop` nothing
// starts while a sound is playing. A file that cannot be found or read plays
// the default sound instead; nothing is reported.
void PlayWaveFile(std::string_view path, bool loop, bool noStop = false);

// Starts a clip in the background with the same rules.
void PlayClip(std::shared_ptr<const platform::PcmClip> clip, bool loop, bool noStop = false);

// Ends whatever sound is playing (by starting the silence clip over it).
void StopSound();

// Reads a sound file from disk or from a registered resource (":/...").
std::shared_ptr<const platform::PcmClip> loadWave(const std::string& path);

} // namespace kok::signal
