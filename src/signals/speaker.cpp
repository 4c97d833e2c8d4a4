#include "signals/speaker.h"

#include "signals/sound.h"

namespace kok::signal {
namespace {

constexpr std::uint16_t kCounter2 = 0x42;
constexpr std::uint16_t kTimerControl = 0x43;
constexpr std::uint16_t kSpeakerGate = 0x61;
constexpr std::uint8_t kGateBits = 0x03;
// Counter 2, low byte then high byte, mode 3 (square wave), binary.
constexpr std::uint8_t kSquareWaveOnCounter2 = 0xB6;

} // namespace

void SpeakerTone(SpeakerPort& port, std::uint16_t frequency, int durationMs) {
    if (frequency < kSpeakerMinHz || frequency > kSpeakerMaxHz) return;
    const std::uint16_t divisor = speakerDivisor(frequency);
    const std::uint8_t gate = port.in(kSpeakerGate);
    if ((gate & kGateBits) == 0) {
        port.out(kSpeakerGate, gate | kGateBits);
        port.out(kTimerControl, kSquareWaveOnCounter2);
    }
    port.out(kCounter2, std::uint8_t(divisor & 0xFF));
    port.out(kCounter2, std::uint8_t(divisor >> 8));
    if (durationMs >= 0) {
        WaitMs(durationMs);
        SpeakerOff(port);
    }
}

void SpeakerOff(SpeakerPort& port) {
    port.out(kSpeakerGate, std::uint8_t(port.in(kSpeakerGate) & ~kGateBits));
}

} // namespace kok::signal
