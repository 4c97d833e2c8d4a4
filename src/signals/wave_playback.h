// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
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

// What became of a request to play a wave file.
enum class WaveStart {
    Started,  // playing, or being read to play as soon as it is decoded
    Skipped,  // `noStop` and a sound was playing
    TooLarge, // the file is over the size limit; the default sound plays instead
};

// Starts playing a wave file and returns at once: the file is read and
// decoded on a worker thread (a large one takes a while) and starts when it
// is ready, unless another sound was started or stopped meanwhile. The path
// may be written the Windows way and relative to the program's folder. With
// `loop` it repeats until another sound replaces it; with `noStop` nothing
// starts while a sound is playing or a file is being decoded to play. A file
// that cannot be found or decoded plays the default sound instead.
// Without a Qt event loop to hand the sound back to, it decodes in place.
WaveStart PlayWaveFile(std::string_view path, bool loop, bool noStop = false);

// Starts a clip in the background with the same rules; it replaces a file
// still being decoded.
void PlayClip(std::shared_ptr<const platform::PcmClip> clip, bool loop, bool noStop = false);

// Ends whatever sound is playing (by starting the silence clip over it), and
// a file still being decoded never starts.
void StopSound();

// Reads a sound file from disk or from a registered resource (":/...").
std::shared_ptr<const platform::PcmClip> loadWave(const std::string& path);

// Why the sound file `path` names will not be played: a translated text that
// names the size limit, or empty when nothing stands against it.
std::string waveFileRefusal(std::string_view path);

// Reads and decodes a file to play; tests put a watched one in its place
// while the override lives.
using WaveDecoder = std::function<std::shared_ptr<const platform::PcmClip>(const std::string&)>;
class WaveDecoderOverride {
  public:
    explicit WaveDecoderOverride(WaveDecoder decoder);
    ~WaveDecoderOverride();
    WaveDecoderOverride(const WaveDecoderOverride&) = delete;
    WaveDecoderOverride& operator=(const WaveDecoderOverride&) = delete;

  private:
    WaveDecoder previous_;
};

} // namespace kok::signal
