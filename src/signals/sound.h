// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace kok::signal {

// One tone, synthesised on the sound card (there are no speaker ports to
// drive here); returns when it has ended. A duration below -1 counts as 0.
void PlayTone(std::uint16_t frequency, int durationMs);

// Waits `ms` milliseconds. A wait longer than 1000 ms keeps handling the
// program's events meanwhile; a shorter one holds the caller. Either way the
// thread sleeps.
void WaitMs(int ms);

// A step of a beep pattern: a tone, or a pause when `frequency` is 0.
struct BeepStep {
    std::uint16_t frequency = 0;
    int durationMs = 0;
    friend bool operator==(const BeepStep&, const BeepStep&) = default;
};

// The steps of beep pattern 1 to 4; any other number has none.
std::vector<BeepStep> beepSequence(int type);

// Plays tones and pauses in turn, holding the caller until they have ended.
// Every pause must be shorter than a second (pauses do not handle events).
void PlaySteps(const std::vector<BeepStep>& steps);

// Plays a beep pattern, holding the caller until it has ended.
void PlayBeepType(int type);

} // namespace kok::signal
