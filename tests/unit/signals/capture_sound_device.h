// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QThreadPool>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platform/sound_device.h"

namespace kok::test {

// A sound device that keeps what it is asked to play instead of playing it.
class CaptureSoundDevice final : public platform::SoundDevice {
  public:
    struct Tone {
        std::vector<std::int16_t> samples;
        int sampleRate;
    };
    struct Clip {
        std::shared_ptr<const platform::PcmClip> clip;
        bool loop;
        bool waited;
    };

    void playTone(std::span<const std::int16_t> samples, int sampleRate) override {
        tones.push_back({{samples.begin(), samples.end()}, sampleRate});
    }
    void startClip(std::shared_ptr<const platform::PcmClip> clip, bool loop) override {
        clips.push_back({std::move(clip), loop, false});
    }
    void playClipAndWait(std::shared_ptr<const platform::PcmClip> clip) override {
        clips.push_back({std::move(clip), false, true});
    }
    bool clipPlaying() const override { return playing; }

    std::vector<Tone> tones;
    std::vector<Clip> clips;
    bool playing = false;

  private:
    platform::SoundDeviceOverride override_{*this};
};

// Lets every sound file being decoded reach the device: waits for the decoding
// workers to end, then delivers the clips they handed back to this thread.
inline void settleSound() {
    QThreadPool::globalInstance()->waitForDone();
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

// Frequency of a mono signal from its rising zero crossings, measured
// between the first and the last one.
inline double measuredFrequency(std::span<const std::int16_t> s, int sampleRate) {
    std::size_t first = 0, last = 0, count = 0;
    for (std::size_t i = 1; i < s.size(); ++i) {
        if (s[i - 1] < 0 && s[i] >= 0) {
            if (count == 0) first = i;
            last = i;
            ++count;
        }
    }
    if (count < 2) return 0.0;
    return double(count - 1) * sampleRate / double(last - first);
}

} // namespace kok::test
