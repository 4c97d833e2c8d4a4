// SPDX-License-Identifier: GPL-3.0-or-later
#include "timers/timers.h"

#include "face/clock_surface.h"
#include "settings/ini_file.h"

namespace kok::timers {

Timers::Timers(TimerParts parts, clock::ClockSurface& surface, alarm::EventFiring& firing,
               std::function<void()> repaintNow)
    : surface_(surface),
      countdown_({parts.tt_countdown, parts.tt_locker, parts.mt_start_cdn, parts.m_timers},
                 stateFile_, surface, firing, std::move(repaintNow), [this] { settle(); }),
      stopwatch_({parts.tt_timer, parts.mt_start_tmr, parts.mt_mode_stop, parts.mt_mode_pause,
                  parts.m_timers, parts.i_timer},
                 stateFile_, surface, [this] { settle(); }) {}

bool Timers::load(const settings::IniFile& ini) {
    const settings::IniUpdate s = ini.snapshot();
    countdown_.load(s);
    stopwatch_.load(s);
    settle();
    return countdown_.running() || stopwatch_.started();
}

void Timers::settle() {
    const bool idle = !countdown_.running() && !stopwatch_.started();
    // The uptime display shares the timer indicator.
    surface_.setUptimeDisplayEnabled(idle);
    if (!idle) return;
    stateFile_.remove();
    surface_.setClockTickRunning(true);
}

} // namespace kok::timers
