// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "timers/countdown.h"
#include "timers/stopwatch.h"
#include "timers/timer_parts.h"
#include "timers/timer_state_file.h"

namespace kok::settings {
class IniFile;
}

namespace kok::timers {

// The Countdown timer and the Stopwatch with what they share: the Timer
// state file, which outlives an exit so that a restart continues them, and
// the clock's own display, which either takes while started. When neither is
// started the file goes and the clock and the uptime display come back.
class Timers {
  public:
    Timers(TimerParts parts, clock::ClockSurface& surface, alarm::EventFiring& firing,
           std::function<void()> repaintNow);

    // The show-time load of both; returns whether either is started.
    bool load(const settings::IniFile& ini);

    Countdown& countdown() { return countdown_; }
    Stopwatch& stopwatch() { return stopwatch_; }

  private:
    void settle();

    clock::ClockSurface& surface_;
    TimerStateFile stateFile_;
    Countdown countdown_;
    Stopwatch stopwatch_;
};

} // namespace kok::timers
