// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "platform/wave_data.h"

namespace kok::platform {

// The sound card as the program sees it: tones that hold the caller for their
// length, and one background clip at a time. Starting a clip ends the current
// one. Without an audio server nothing sounds, nothing is reported and tones
// still take their time, so callers behave the same either way.
class SoundDevice {
  public:
    virtual ~SoundDevice() = default;

    // Plays mono 16-bit samples and returns when they have been heard.
    virtual void playTone(std::span<const std::int16_t> samples, int sampleRate) = 0;

    // Starts `clip` in the background, ending the current clip; with `loop` it
    // repeats until another clip replaces it.
    virtual void startClip(std::shared_ptr<const PcmClip> clip, bool loop) = 0;

    // Ends the current clip and plays `clip` to its end before returning.
    virtual void playClipAndWait(std::shared_ptr<const PcmClip> clip) = 0;

    // Whether a clip is still sounding.
    virtual bool clipPlaying() const = 0;
};

// The process's sound device.
SoundDevice& soundDevice();

// Installs `device` as the process's sound device while the override lives
// (tests capture what is played with it).
class SoundDeviceOverride {
  public:
    explicit SoundDeviceOverride(SoundDevice& device);
    ~SoundDeviceOverride();
    SoundDeviceOverride(const SoundDeviceOverride&) = delete;
    SoundDeviceOverride& operator=(const SoundDeviceOverride&) = delete;

  private:
    SoundDevice* previous_;
};

} // namespace kok::platform
