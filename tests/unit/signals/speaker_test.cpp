#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "signals/speaker.h"

using namespace kok;

namespace {

struct PortAccess {
    char dir; // 'i' or 'o'
    std::uint16_t port;
    std::uint8_t value;
    friend bool operator==(const PortAccess&, const PortAccess&) = default;
};

// Ports of a machine whose gate register holds `gate` (other bits included).
class RecordingPort final : public signal::SpeakerPort {
  public:
    explicit RecordingPort(std::uint8_t gate) : gate_(gate) {}
    std::uint8_t in(std::uint16_t port) override {
        const std::uint8_t v = port == 0x61 ? gate_ : 0;
        log.push_back({'i', port, v});
        return v;
    }
    void out(std::uint16_t port, std::uint8_t value) override {
        if (port == 0x61) gate_ = value;
        log.push_back({'o', port, value});
    }
    std::vector<PortAccess> log;

  private:
    std::uint8_t gate_;
};

} // namespace

TEST(SpeakerTone, ProgramsTheTimerThenSwitchesOff) {
    RecordingPort port(0x30); // gate bits clear, other bits must survive
    signal::SpeakerTone(port, 1000, 10);
    const std::uint16_t divisor = 1193181 / 1000; // 1193 = 0x04A9
    EXPECT_EQ(signal::speakerDivisor(1000), divisor);
    const std::vector<PortAccess> expected = {
        {'i', 0x61, 0x30}, {'o', 0x61, 0x33}, {'o', 0x43, 0xB6}, {'o', 0x42, 0xA9},
        {'o', 0x42, 0x04}, {'i', 0x61, 0x33}, {'o', 0x61, 0x30}};
    EXPECT_EQ(port.log, expected);
}

TEST(SpeakerTone, AlreadyOnSkipsTheGateAndControlWrites) {
    RecordingPort port(0x01);
    signal::SpeakerTone(port, 5000, -1); // -1: left sounding, no switch-off
    const std::vector<PortAccess> expected = {
        {'i', 0x61, 0x01}, {'o', 0x42, std::uint8_t(238)}, {'o', 0x42, 0x00}};
    EXPECT_EQ(port.log, expected); // 1193181 / 5000 = 238
}

TEST(SpeakerTone, RangeIsTwentyToFiveThousandHertz) {
    for (std::uint16_t hz : {std::uint16_t(19), std::uint16_t(5001), std::uint16_t(0)}) {
        RecordingPort port(0);
        const auto t0 = std::chrono::steady_clock::now();
        signal::SpeakerTone(port, hz, 1000); // no tone and no wait
        EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(100)) << hz;
        EXPECT_TRUE(port.log.empty()) << hz;
    }
    for (std::uint16_t hz : {std::uint16_t(20), std::uint16_t(5000)}) {
        RecordingPort port(0);
        signal::SpeakerTone(port, hz, 0);
        EXPECT_EQ(port.log.size(), 7u) << hz;
    }
    EXPECT_EQ(signal::speakerDivisor(20), 59659);
}
