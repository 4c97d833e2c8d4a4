#pragma once

#include <cstdint>

namespace kok::signal {

// The PC speaker as the older Windows family drives it: channel 2 of the
// 8253/8254 interval timer (ports 0x42 and 0x43) gated by the two lowest bits
// of port 0x61. Only a machine with that hardware provides a real port.
class SpeakerPort {
  public:
    virtual ~SpeakerPort() = default;
    virtual std::uint8_t in(std::uint16_t port) = 0;
    virtual void out(std::uint16_t port, std::uint8_t value) = 0;
};

inline constexpr unsigned kTimerInputClock = 1193181;
inline constexpr unsigned kSpeakerMinHz = 20;
inline constexpr unsigned kSpeakerMaxHz = 5000;

// The timer divisor for a frequency in the speaker's range.
inline std::uint16_t speakerDivisor(unsigned frequency) {
    return std::uint16_t(kTimerInputClock / frequency);
}

// Sounds `frequency` for `durationMs` (waiting meanwhile) and switches the
// speaker off; -1 leaves it sounding. Outside 20..5000 Hz nothing happens.
void SpeakerTone(SpeakerPort& port, std::uint16_t frequency, int durationMs);
void SpeakerOff(SpeakerPort& port);

} // namespace kok::signal
