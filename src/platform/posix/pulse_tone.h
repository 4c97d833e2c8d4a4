// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>

namespace kok::platform {

// The moments of a tone's start on the sound server, told to whoever measures
// how soon a tone gets going.
class ToneStartProbe {
  public:
    virtual void streamOpened() = 0;
    virtual void firstSamplesAccepted() = 0;
    // How much sound the server held ahead of them just then.
    virtual void serverLatency(double ms) = 0;

  protected:
    ~ToneStartProbe() = default;
};

// The sound device's tone: mono 16-bit samples on a stream of their own,
// returning when they have been heard, or after their length without a server.
void playPulseTone(std::span<const std::int16_t> samples, int sampleRate,
                   ToneStartProbe* probe = nullptr);

} // namespace kok::platform
